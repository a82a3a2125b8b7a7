#include "HayesModem.h"

#include <QTest>

namespace {

constexpr int kGuardMs = 40;
constexpr int kConnectMs = 20;
constexpr int kFailMs = 5000; // only bounds a failure
// In an escape script: a pause well past the guard time.
constexpr char kPause = '~';

ModemSettings quickModem()
{
    ModemSettings settings;
    settings.enabled = true;
    settings.connectDelayMs = kConnectMs;
    settings.escapeGuardMs = kGuardMs;
    return settings;
}

// A modem with what it sent each way and the commands it took.
struct ModemProbe
{
    explicit ModemProbe(const ModemSettings& settings = quickModem())
        : modem(settings)
    {
        QObject::connect(&modem, &HayesModem::toProgram, [this](const QByteArray& b) { program += b; });
        QObject::connect(&modem, &HayesModem::toModule, [this](const QByteArray& b) { module += b; });
        QObject::connect(&modem, &HayesModem::commandReceived, [this](const QByteArray& l) { commands << l; });
    }

    bool dial()
    {
        modem.receive("ATD5551234\r");
        const bool connected = QTest::qWaitFor([this] { return modem.mode() == HayesModem::Mode::Data; }, kFailMs);
        program.clear();
        commands.clear();
        return connected;
    }

    // Feeds the bytes between pauses in one piece each, as a port delivers them.
    void runScript(const QByteArray& script)
    {
        const QByteArrayList pieces = script.split(kPause);
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                QTest::qWait(2 * kGuardMs);
            modem.receive(pieces[i]);
        }
    }

    HayesModem modem;
    QByteArray program;
    QByteArray module;
    QByteArrayList commands;
};

} // namespace

class HayesModemTest : public QObject
{
    Q_OBJECT
private slots:
    void commandMode_data();
    void commandMode();
    void dialConnectsLater();
    void lineWhileDiallingCancels();
    void dataPassesBothWays();
    void escape_data();
    void escape();
    void hangUpAfterEscape();
    void silentModem();
    void ignoresHangUp();
};

void HayesModemTest::commandMode_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("answered");

    QTest::newRow("AT") << QByteArray("AT\r") << QByteArray("OK\r");
    QTest::newRow("AT with CR LF") << QByteArray("AT\r\n") << QByteArray("OK\r");
    QTest::newRow("ATH") << QByteArray("ATH\r") << QByteArray("OK\r");
    QTest::newRow("ATH0") << QByteArray("ATH0\r") << QByteArray("OK\r");
    QTest::newRow("unknown command") << QByteArray("ATX4\r") << QByteArray("ERROR\r");
    QTest::newRow("dial without number") << QByteArray("ATD\r") << QByteArray("ERROR\r");
    QTest::newRow("module command") << QByteArray("RPWDEDCB00\r") << QByteArray("ERROR\r");
    QTest::newRow("pluses without pauses") << QByteArray("AT\r+++\r") << QByteArray("OK\rERROR\r");
    QTest::newRow("two lines at once") << QByteArray("AT\rATH\r") << QByteArray("OK\rOK\r");
    QTest::newRow("empty lines") << QByteArray("\r\r") << QByteArray();
}

void HayesModemTest::commandMode()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, answered);
    ModemProbe probe;
    probe.modem.receive(received);
    QCOMPARE(probe.program, answered);
    QCOMPARE(probe.module, QByteArray());
    QCOMPARE(probe.commands.size(), int(answered.count('\r')));
    QCOMPARE(probe.modem.mode(), HayesModem::Mode::Command);
}

void HayesModemTest::dialConnectsLater()
{
    ModemProbe probe;
    probe.modem.receive("ATD06301234567\r");
    QCOMPARE(probe.modem.mode(), HayesModem::Mode::Dialling);
    QCOMPARE(probe.program, QByteArray());
    QTRY_COMPARE_WITH_TIMEOUT(probe.program, QByteArray("CONNECT 9600\r"), kFailMs);
    QCOMPARE(probe.modem.mode(), HayesModem::Mode::Data);
    QCOMPARE(probe.commands, QByteArrayList{"ATD06301234567"});
}

void HayesModemTest::lineWhileDiallingCancels()
{
    ModemSettings settings = quickModem();
    settings.connectDelayMs = 3 * kGuardMs;
    ModemProbe probe(settings);
    probe.modem.receive("ATD1\r");
    probe.modem.receive("ATH\r");
    QCOMPARE(probe.modem.mode(), HayesModem::Mode::Command);
    QTest::qWait(3 * settings.connectDelayMs);
    QCOMPARE(probe.program, QByteArray("OK\r"));
    QCOMPARE(probe.modem.mode(), HayesModem::Mode::Command);
}

void HayesModemTest::dataPassesBothWays()
{
    ModemProbe probe;
    probe.modem.transmit("AT_/before\r");
    QVERIFY(probe.dial());
    // In data mode a hang-up line is data for the module like any other.
    probe.modem.receive("RPWDEDCB00\rATH\rAT\r");
    probe.modem.transmit("PWDOK\r");
    QCOMPARE(probe.module, QByteArray("RPWDEDCB00\rATH\rAT\r"));
    QCOMPARE(probe.program, QByteArray("PWDOK\r"));
    QVERIFY(probe.commands.isEmpty());
}

void HayesModemTest::escape_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("escapes");
    QTest::addColumn<QByteArray>("toModule");

    QTest::newRow("framed by silence") << QByteArray("~+++~") << true << QByteArray();
    QTest::newRow("pauses between the pluses") << QByteArray("~+~+~+~") << true << QByteArray();
    QTest::newRow("after data and a pause") << QByteArray("RPWS\r~+++~") << true << QByteArray("RPWS\r");
    QTest::newRow("no silence before") << QByteArray("~X+++~") << false << QByteArray("X+++");
    QTest::newRow("a byte right after") << QByteArray("~+++A~") << false << QByteArray("+++A");
    QTest::newRow("a byte between") << QByteArray("~++X+~") << false << QByteArray("++X+");
    QTest::newRow("four pluses") << QByteArray("~++++~") << false << QByteArray("++++");
    QTest::newRow("pluses inside a line") << QByteArray("~A+++\r~") << false << QByteArray("A+++\r");
}

void HayesModemTest::escape()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, escapes);
    QFETCH(QByteArray, toModule);
    ModemProbe probe;
    QVERIFY(probe.dial());
    probe.runScript(script);
    if (escapes)
        QTRY_COMPARE_WITH_TIMEOUT(probe.program, QByteArray("OK\r"), kFailMs);
    else
        QCOMPARE(probe.program, QByteArray());
    QCOMPARE(probe.module, toModule);
    QCOMPARE(probe.commands, escapes ? QByteArrayList{"+++"} : QByteArrayList{});
    QCOMPARE(probe.modem.mode(), escapes ? HayesModem::Mode::Command : HayesModem::Mode::Data);
}

void HayesModemTest::hangUpAfterEscape()
{
    ModemProbe probe;
    QVERIFY(probe.dial());
    probe.runScript("ATH\r~+++~");
    QTRY_COMPARE_WITH_TIMEOUT(probe.program, QByteArray("OK\r"), kFailMs);
    probe.modem.receive("ATH\r");
    probe.modem.transmit("PWDOK\r");
    QCOMPARE(probe.program, QByteArray("OK\rOK\r"));
    QCOMPARE(probe.module, QByteArray("ATH\r"));
    QCOMPARE(probe.commands, (QByteArrayList{"+++", "ATH"}));
}

void HayesModemTest::silentModem()
{
    ModemSettings settings = quickModem();
    settings.silent = true;
    ModemProbe probe(settings);
    probe.runScript("AT\rATH\rATX\rATD1\r~+++~");
    QTest::qWait(3 * kConnectMs);
    QCOMPARE(probe.program, QByteArray());
    QCOMPARE(probe.modem.mode(), HayesModem::Mode::Command);
    QCOMPARE(probe.commands, (QByteArrayList{"AT", "ATH", "ATX", "ATD1", "+++"}));
}

void HayesModemTest::ignoresHangUp()
{
    ModemSettings settings = quickModem();
    settings.ignoresHangUp = true;
    ModemProbe probe(settings);
    probe.modem.receive("ATH\rATH0\rAT\r");
    QCOMPARE(probe.program, QByteArray("OK\r"));
    QVERIFY(probe.dial());
    probe.runScript("~+++~");
    QTRY_COMPARE_WITH_TIMEOUT(probe.program, QByteArray("OK\r"), kFailMs);
    probe.modem.receive("ATH\r");
    QCOMPARE(probe.program, QByteArray("OK\r"));
}

QTEST_GUILESS_MAIN(HayesModemTest)
#include "tst_hayesmodem.moc"
