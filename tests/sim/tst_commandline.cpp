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
    void faultSwitches_data();
    void faultSwitches();
    void rejected_data();
    void rejected();
    void help();
};

void CommandLineTest::values()
{
    const CommandLine line = parse({"--link", "/tmp/x/m", "--code", "987654", "--baud", "19200",
                                    "--program-version", "TEST V0.01", "--data-version", "3"});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(line.linkPath, QStringLiteral("/tmp/x/m"));
    QCOMPARE(line.settings.installerCode, std::optional<QString>(QStringLiteral("987654")));
    QCOMPARE(line.settings.baudRate, 19200);
    QCOMPARE(line.settings.versions.program, QByteArray("TEST V0.01"));
    QCOMPARE(line.settings.versions.data, QByteArray("3"));
}

void CommandLineTest::faultSwitches_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("which");
    QTest::newRow("silent") << "--silent" << 0;
    QTest::newRow("refuse code") << "--refuse-code" << 1;
    QTest::newRow("wrong block") << "--wrong-block" << 2;
    QTest::newRow("bad checksum") << "--bad-checksum" << 3;
}

void CommandLineTest::faultSwitches()
{
    QFETCH(QString, option);
    QFETCH(int, which);
    const CommandLine line = parse({option});
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    const FaultSwitches& f = line.settings.faults;
    const std::array<bool, 4> set = {f.silent, f.refuseCode, f.wrongBlock, f.badChecksum};
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
                               "--bad-checksum", "--program-version", "--data-version"})
        QVERIFY2(line.helpText.contains(QLatin1String(option)), option);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
