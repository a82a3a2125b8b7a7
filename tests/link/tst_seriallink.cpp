// The serial port's send operations, line assembly and monitor echo over a
// pseudo-terminal.
#include "LinkedModule.h"
#include "TestTicks.h"

#include <QTest>

class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void closedPortSendsNothing()
    {
        LinkedModule m;
        QVERIFY(m.sim.start());
        m.link.serial().setPortName(m.sim.devicePath());
        auto& serial = m.link.serial();
        serial.SendLine("RPWD000000");
        serial.SendLineLogged("AT");
        serial.SendHexByte(10);
        serial.SendCR();
        serial.writeRaw("+++");
        m.link.SendCommand(0);
        QTest::qWait(5 * kTestTickMs);
        QVERIFY(m.link.monitor().lines().isEmpty());
        QVERIFY(serial.open());
        serial.SendLine("PING");
        QTRY_COMPARE(m.received(), QByteArrayList{"PING"});
    }

    void sendOperationsWriteExactBytes()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        auto& serial = m.link.serial();
        serial.SendHexByte(10);
        serial.SendHexByte(255);
        serial.writeRaw("xy");
        serial.SendCR();
        serial.SendLineLogged("AT");
        QTRY_COMPARE(m.received(), (QByteArrayList{"0AFFxy", "AT"}));
        QCOMPARE(m.link.monitor().lines(), (QStringList{"------> AT", ""}));
    }

    void receivedLinesAreEchoedBeforeDispatch()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        bool echoedFirst = false;
        m.link.dispatcher().receivers.moduleMessage = [&](const QByteArray&) {
            echoedFirst = m.link.monitor().lines().contains(QStringLiteral("AT_/Riasztás"));
        };
        m.sim.sendLine("PWDOK\n");
        m.sim.sendLine(QByteArray("AT_/Riaszt\xE1s"));
        m.sim.sendLine("");
        QTRY_VERIFY(echoedFirst);
        QCOMPARE(m.link.monitor().lines(), (QStringList{"PWDOK", "AT_/Riasztás", ""}));
        QVERIFY(m.link.flags().codeAccepted);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
