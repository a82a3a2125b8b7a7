#include "ModuleSimulator.h"
#include "RawPortClient.h"

#include "FrameText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray kLogIn = "RPWDEDCB00"; // code 1234

} // namespace

class ModuleSimulatorTest : public QObject
{
    Q_OBJECT
private slots:
    void servesOnPseudoTerminal();
    void linkFollowsSimulator();
    void staleLinkReplaced();
    void otherFileNotReplaced();
    void assemblesLines_data();
    void assemblesLines();
    void repliesEndWithCarriageReturnOnly();
    void writeAndActivate();
    void faultsFlippedWhileRunning();
    void portMayBeClosedAndReopened();
    void pacedOutputArrivesWhole();
    void pacedInputArrivesAtLineSpeed();
    void modemInFront();
    void liveModuleOverTheLine();

private:
    QTemporaryDir m_dir;
};

void ModuleSimulatorTest::servesOnPseudoTerminal()
{
    ModuleSimulator simulator;
    QVERIFY2(simulator.start(), qPrintable(simulator.errorString()));
    struct stat info{};
    QCOMPARE(::stat(QFile::encodeName(simulator.devicePath()).constData(), &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
    QVERIFY(simulator.linkPath().isEmpty());
}

void ModuleSimulatorTest::linkFollowsSimulator()
{
    const QString link = m_dir.filePath(QStringLiteral("module"));
    {
        ModuleSimulator simulator;
        QVERIFY2(simulator.start(link), qPrintable(simulator.errorString()));
        QCOMPARE(QFileInfo(link).symLinkTarget(), simulator.devicePath());
        RawPortClient port(link);
        QVERIFY(port.isOpen());
        port.sendLine(kLogIn);
        QCOMPARE(port.readLine(), std::optional<QByteArray>("PWDOK"));
    }
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(!QFileInfo::exists(link));
}

void ModuleSimulatorTest::staleLinkReplaced()
{
    const QString link = m_dir.filePath(QStringLiteral("stale"));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("gone")), link));
    ModuleSimulator simulator;
    QVERIFY2(simulator.start(link), qPrintable(simulator.errorString()));
    QCOMPARE(QFileInfo(link).symLinkTarget(), simulator.devicePath());
}

void ModuleSimulatorTest::otherFileNotReplaced()
{
    const QString path = m_dir.filePath(QStringLiteral("plain"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();

    {
        ModuleSimulator simulator;
        QVERIFY(!simulator.start(path));
        QVERIFY(!simulator.errorString().isEmpty());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep"));
}

void ModuleSimulatorTest::assemblesLines_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QByteArrayList>("lines");

    const QByteArray good = kLogIn;
    const QByteArray bad = QByteArray("RPWDBCDE00");
    QTest::newRow("one piece") << QByteArrayList{good + '\r'} << QByteArrayList{good};
    QTest::newRow("split in the word") << QByteArrayList{good.left(2), good.mid(2) + '\r'} << QByteArrayList{good};
    QTest::newRow("CR LF") << QByteArrayList{good + "\r\n"} << QByteArrayList{good};
    QTest::newRow("LF inside") << QByteArrayList{good.left(5) + '\n' + good.mid(5) + '\r'} << QByteArrayList{good};
    QTest::newRow("empty lines") << QByteArrayList{"\r\r\n", good + "\r", "\r"} << QByteArrayList{good};
    QTest::newRow("two lines at once") << QByteArrayList{bad + '\r' + good + '\r'} << QByteArrayList{bad, good};
}

void ModuleSimulatorTest::assemblesLines()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(QByteArrayList, lines);

    ModuleSimulator simulator;
    QVERIFY(simulator.start());
    QSignalSpy received(&simulator, &ModuleSimulator::lineReceived);
    RawPortClient port(simulator.devicePath());
    for (const QByteArray& piece : pieces) {
        port.sendRaw(piece);
        QTest::qWait(1);
    }
    // Every line is answered, so the last answer means every line is in.
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY(port.readLine().has_value());
    QCOMPARE(simulator.receivedLines(), lines);
    QCOMPARE(received.size(), lines.size());
    QCOMPARE(received.last().at(0).toByteArray(), lines.last());
}

void ModuleSimulatorTest::repliesEndWithCarriageReturnOnly()
{
    ModuleSimulator simulator;
    QVERIFY(simulator.start());
    RawPortClient port(simulator.devicePath());
    port.sendLine("RPWDE00000");
    port.sendLine(kLogIn);
    QCOMPARE(port.readBytes(13), QByteArray("PWDERR\rPWDOK\r"));
}

void ModuleSimulatorTest::writeAndActivate()
{
    ModuleSimulator simulator;
    QVERIFY(simulator.start());
    RawPortClient port(simulator.devicePath());
    port.sendLine(kLogIn);
    QCOMPARE(port.readLine(), std::optional<QByteArray>("PWDOK"));

    // As the program sends it: the request line, then the hex in small pieces.
    // Block 3 of 5A bytes, checksum 32643 most significant byte first.
    const QByteArray hex = frametext::frame(frametext::repeated("5A", 256), "0003", "00007F83");
    port.sendLine("WRFL");
    for (qsizetype i = 0; i < hex.size(); i += 2)
        port.sendRaw(hex.mid(i, 2));
    port.sendRaw("\r");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("WROK"));
    port.sendLine("WRACT");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("CRCOK"));

    const ParameterMemory& active = simulator.module().memory().active();
    QVERIFY(std::all_of(active.begin() + 3 * 256, active.begin() + 4 * 256, [](std::uint8_t b) { return b == 0x5A; }));
    QCOMPARE(simulator.receivedLines().size(), 4);
    QCOMPARE(simulator.receivedLines().at(2), hex);
}

void ModuleSimulatorTest::faultsFlippedWhileRunning()
{
    ModuleSimulator simulator;
    QVERIFY(simulator.start());
    RawPortClient port(simulator.devicePath());

    simulator.module().faults().silent = true;
    port.sendLine("RPWD600000");
    QVERIFY(QTest::qWaitFor([&] { return simulator.receivedLines().size() == 1; }, 10000));
    simulator.module().faults().silent = false;
    port.sendLine(kLogIn);
    // The refusal of the first line would come first had it been answered.
    QCOMPARE(port.readLine(), std::optional<QByteArray>("PWDOK"));

    simulator.module().faults().badChecksum = true;
    port.sendLine("RDFLFFFF");
    const std::optional<QByteArray> line = port.readLine();
    QVERIFY(line.has_value());
    // The version block's checksum 34190 with its lowest byte spoilt.
    QCOMPARE(line->right(12), QByteArray("FFFF71850000"));
}

void ModuleSimulatorTest::portMayBeClosedAndReopened()
{
    ModuleSimulator simulator;
    QVERIFY(simulator.start());
    {
        RawPortClient port(simulator.devicePath());
        port.sendLine(kLogIn);
        QCOMPARE(port.readLine(), std::optional<QByteArray>("PWDOK"));
    }
    QTest::qWait(50);
    RawPortClient port(simulator.devicePath());
    port.sendLine("RDFL0000");
    const std::optional<QByteArray> line = port.readLine();
    QVERIFY(line.has_value());
    QCOMPARE(line->size(), 544);
}

void ModuleSimulatorTest::pacedOutputArrivesWhole()
{
    SimulatorSettings settings;
    settings.baudRate = 19200;
    ModuleSimulator simulator(settings);
    QVERIFY(simulator.start());
    RawPortClient port(simulator.devicePath());
    port.sendLine(kLogIn);
    QCOMPARE(port.readLine(), std::optional<QByteArray>("PWDOK"));

    QElapsedTimer clock;
    clock.start();
    port.sendLine("RDFL0001");
    const std::optional<QByteArray> line = port.readLine();
    QVERIFY(line.has_value());
    QCOMPARE(line->size(), 544);
    QCOMPARE(line->mid(532, 4), QByteArray("0001"));
    // 545 characters take about 280 ms at 1920 characters a second; a slow
    // machine only makes this longer.
    QVERIFY2(clock.elapsed() >= 200, qPrintable(QString::number(clock.elapsed())));
}

void ModuleSimulatorTest::pacedInputArrivesAtLineSpeed()
{
    SimulatorSettings settings;
    settings.baudRate = 19200;
    ModuleSimulator simulator(settings);
    QVERIFY(simulator.start());
    RawPortClient port(simulator.devicePath());
    QSignalSpy received(&simulator, &ModuleSimulator::lineReceived);
    QElapsedTimer clock;
    clock.start();
    // 960 characters with the CR: 500 ms on the line.
    port.sendRaw(QByteArray(959, 'A') + '\r');
    QVERIFY(received.wait(10000));
    QVERIFY2(clock.elapsed() >= 490, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(simulator.bytesFromProgram(), 960);
}

void ModuleSimulatorTest::modemInFront()
{
    SimulatorSettings settings;
    settings.modem.enabled = true;
    settings.modem.connectDelayMs = 10;
    settings.modem.escapeGuardMs = 50;
    ModuleSimulator simulator(settings);
    QVERIFY(simulator.start());
    QVERIFY(simulator.modem());
    RawPortClient port(simulator.devicePath());
    const QByteArray code = kLogIn;

    port.sendLine(code);
    QCOMPARE(port.readLine(), std::optional<QByteArray>("ERROR"));
    port.sendLine("AT");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("OK"));
    port.sendLine("ATD5551234");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("CONNECT 9600"));
    port.sendLine(code);
    QCOMPARE(port.readLine(), std::optional<QByteArray>("PWDOK"));
    // Of the module's own accord: passes while the call is up.
    simulator.sendLine("AT_/hello");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("AT_/hello"));

    QTest::qWait(3 * settings.modem.escapeGuardMs);
    port.sendRaw("+++");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("OK"));
    simulator.sendLine("AT_/dropped");
    port.sendLine("ATH");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("OK"));
    QCOMPARE(simulator.receivedLines(), (QByteArrayList{code, "AT", "ATD5551234", code, "+++", "ATH"}));
}

void ModuleSimulatorTest::liveModuleOverTheLine()
{
    QVERIFY(ModuleSimulator().liveActivity());
    SimulatorSettings settings;
    settings.live = false;
    settings.statusForm = 2;
    ModuleSimulator simulator(settings);
    QVERIFY(!simulator.liveActivity());
    QVERIFY(simulator.start());
    RawPortClient port(simulator.devicePath());

    port.sendLine("RPWSEDCB00");
    const std::optional<QByteArray> report = port.readLine();
    QVERIFY(report && report->startsWith("AT_["));
    QCOMPARE(report->size(), 86);
    // The module's messages are in windows-1250.
    port.sendLine("PT2AEDCB00");
    QCOMPARE(port.readLine(), std::optional<QByteArray>("AT_/\xC9" "les\xED" "tve: 2. part\xED" "ci\xF3"));
    QVERIFY(simulator.module().live().armed(2));
}

QTEST_GUILESS_MAIN(ModuleSimulatorTest)
#include "tst_modulesimulator.moc"
