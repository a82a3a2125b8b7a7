#include "CommandLine.h"

#include <QTest>

namespace {

CommandLine parse(const QStringList& options)
{
    return parseCommandLine(QStringList{QStringLiteral("sentrova-sim")} + options);
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void values();
    void modem_data();
    void modem();
    void faultSwitches_data();
    void faultSwitches();
    void rejected_data();
    void rejected();
    void help();
};

void CommandLineTest::values()
{
    const CommandLine line = parse({"--link", "/tmp/x/m", "--code", "987654", "--baud", "19200",
                                    "--program-version", "TEST V0.01", "--data-version", "3", "--load", "in.SD2",
                                    "--save-on-exit", "out.SD2", "--drop-block", "7", "--nak-write", "0",
                                    "--corrupt-byte", "2047"});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(line.linkPath, QStringLiteral("/tmp/x/m"));
    QCOMPARE(line.settings.installerCode, std::optional<QString>(QStringLiteral("987654")));
    QCOMPARE(line.settings.baudRate, 19200);
    QCOMPARE(line.settings.versions.program, QByteArray("TEST V0.01"));
    QCOMPARE(line.settings.versions.data, QByteArray("3"));
    QCOMPARE(line.loadPath, QStringLiteral("in.SD2"));
    QCOMPARE(line.saveOnExitPath, QStringLiteral("out.SD2"));
    QCOMPARE(line.settings.faults.dropReadBlock, std::optional<int>(7));
    QCOMPARE(line.settings.faults.nakWriteBlock, std::optional<int>(0));
    QVERIFY(!line.settings.faults.noActivation);
    QCOMPARE(line.settings.faults.corruptByte, std::optional<int>(2047));
    QVERIFY(!parse({}).settings.faults.corruptByte);
    QVERIFY(!parse({}).settings.faults.dropReadBlock);
    const CommandLine live = parse({"--status-form", "2", "--seed", "4000000000"});
    QVERIFY2(live.error.isEmpty(), qPrintable(live.error));
    QCOMPARE(live.settings.statusForm, 2);
    QCOMPARE(live.settings.seed, std::optional<std::uint32_t>(4000000000u));
    QVERIFY(live.settings.live);
    QVERIFY(!parse({"--still"}).settings.live);
    QCOMPARE(parse({}).settings.statusForm, 4);
    QVERIFY(!parse({}).settings.seed);
    QVERIFY(!parse({}).settings.faults.nakWriteBlock);
    const CommandLine noisy = parse({"--noise", "0.0002", "--noise-seed", "7"});
    QVERIFY2(noisy.error.isEmpty(), qPrintable(noisy.error));
    QCOMPARE(noisy.settings.noiseRate, 0.0002);
    QCOMPARE(noisy.settings.noiseSeed, std::optional<std::uint32_t>(7));
    QCOMPARE(parse({}).settings.noiseRate, 0.0);
    QVERIFY(!parse({"--noise", "1"}).settings.noiseSeed);
}

void CommandLineTest::modem_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("ignoresHangUp");
    QTest::addColumn<int>("connectMs");
    QTest::addColumn<int>("guardMs");

    const ModemSettings defaults;
    QTest::newRow("none") << QStringList{} << false << false << false << defaults.connectDelayMs
                          << defaults.escapeGuardMs;
    QTest::newRow("modem") << QStringList{"--modem"} << true << false << false << defaults.connectDelayMs
                           << defaults.escapeGuardMs;
    QTest::newRow("silent modem") << QStringList{"--modem-silent"} << true << true << false
                                  << defaults.connectDelayMs << defaults.escapeGuardMs;
    QTest::newRow("modem ignoring ATH") << QStringList{"--modem-ignores-ath"} << true << false << true
                                        << defaults.connectDelayMs << defaults.escapeGuardMs;
    QTest::newRow("times") << QStringList{"--modem", "--modem-connect-ms", "20", "--modem-guard-ms", "50"} << true
                           << false << false << 20 << 50;
}

void CommandLineTest::modem()
{
    QFETCH(QStringList, options);
    const CommandLine line = parse(options);
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    const ModemSettings& m = line.settings.modem;
    QTEST(m.enabled, "enabled");
    QTEST(m.silent, "silent");
    QTEST(m.ignoresHangUp, "ignoresHangUp");
    QTEST(m.connectDelayMs, "connectMs");
    QTEST(m.escapeGuardMs, "guardMs");
}

void CommandLineTest::faultSwitches_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("which");
    QTest::newRow("silent") << "--silent" << 0;
    QTest::newRow("refuse code") << "--refuse-code" << 1;
    QTest::newRow("wrong block") << "--wrong-block" << 2;
    QTest::newRow("bad checksum") << "--bad-checksum" << 3;
    QTest::newRow("no activation") << "--no-activation" << 4;
}

void CommandLineTest::faultSwitches()
{
    QFETCH(QString, option);
    QFETCH(int, which);
    const CommandLine line = parse({option});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    const FaultSwitches& f = line.settings.faults;
    const std::array<bool, 5> set = {f.silent, f.refuseCode, f.wrongBlock, f.badChecksum, f.noActivation};
    for (int i = 0; i < int(set.size()); ++i)
        QCOMPARE(set[std::size_t(i)], i == which);
}

void CommandLineTest::rejected_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("code with a letter") << QStringList{"--code", "12a4"};
    QTest::newRow("code of seven digits") << QStringList{"--code", "1234567"};
    QTest::newRow("speed not a number") << QStringList{"--baud", "fast"};
    QTest::newRow("speed zero") << QStringList{"--baud", "0"};
    QTest::newRow("speed below one character a second") << QStringList{"--baud", "9"};
    QTest::newRow("unknown option") << QStringList{"--loud"};
    QTest::newRow("positional argument") << QStringList{"/dev/ttyS0"};
    QTest::newRow("missing value") << QStringList{"--link"};
    QTest::newRow("dropped block past the parameters") << QStringList{"--drop-block", "8"};
    QTest::newRow("negative block") << QStringList{"--nak-write", "-1"};
    QTest::newRow("block not a number") << QStringList{"--nak-write", "x"};
    QTest::newRow("corrupt byte past the parameters") << QStringList{"--corrupt-byte", "2048"};
    QTest::newRow("negative corrupt byte") << QStringList{"--corrupt-byte", "-1"};
    QTest::newRow("status form 5") << QStringList{"--status-form", "5"};
    QTest::newRow("status form 0") << QStringList{"--status-form", "0"};
    QTest::newRow("negative seed") << QStringList{"--seed", "-1"};
    QTest::newRow("guard time zero") << QStringList{"--modem", "--modem-guard-ms", "0"};
    QTest::newRow("noise above 1") << QStringList{"--noise", "1.5"};
    QTest::newRow("negative noise") << QStringList{"--noise", "-0.1"};
    QTest::newRow("noise not a number") << QStringList{"--noise", "some"};
    QTest::newRow("noise seed without noise") << QStringList{"--noise-seed", "7"};
    QTest::newRow("noise seed not a number") << QStringList{"--noise", "0.1", "--noise-seed", "x"};
    QTest::newRow("connect time not a number") << QStringList{"--modem", "--modem-connect-ms", "soon"};
}

void CommandLineTest::rejected()
{
    QFETCH(QStringList, options);
    const CommandLine line = parse(options);
    QVERIFY(!line.error.isEmpty());
}

void CommandLineTest::help()
{
    const CommandLine line = parse({"--help"});
    QVERIFY(line.helpRequested);
    QVERIFY(line.error.isEmpty());
    for (const char* option : {"--link", "--code", "--baud", "--silent", "--refuse-code", "--wrong-block",
                               "--bad-checksum", "--program-version", "--data-version", "--modem", "--modem-silent",
                               "--modem-ignores-ath", "--modem-connect-ms", "--modem-guard-ms", "--load",
                               "--save-on-exit", "--drop-block", "--nak-write", "--no-activation", "--corrupt-byte",
                               "--status-form", "--seed", "--still", "--noise", "--noise-seed"})
        QVERIFY2(line.helpText.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
