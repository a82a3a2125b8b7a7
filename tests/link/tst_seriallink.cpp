// The serial port's send operations, line assembly and monitor echo over a
// pseudo-terminal.
#include "FarSide.h"
#include "LinkedModule.h"
#include "TestTicks.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

    // Read on the line's far side as they are: every line ends with CR alone.
    void sendOperationsWriteExactBytes()
    {
        FarSide far;
        DeviceLink link;
        QVERIFY(far.attach(link));
        auto& serial = link.serial();
        serial.SendHexByte(10);
        serial.SendHexByte(255);
        serial.writeRaw("xy");
        serial.SendCR();
        serial.SendLineLogged("AT");
        serial.SendLine("WRACT");
        link.SendCommand(3);
        link.SendCommand(128 + 35);
        const QByteArray expected = "0AFFxy\rAT\rWRACT\rRSTPEDCB00\rTRFSEDCB00\r";
        QCOMPARE(far.take(expected.size()), expected);
        QCOMPARE(link.monitor().lines(), (QStringList{"------> AT", ""}));
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

    void takingPendingInputLeavesNoError()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        m.link.serial().takePendingInput();
        QCOMPARE(m.link.serial().portError(), QSerialPort::NoError);
        QVERIFY(m.link.serial().isOpen());
    }

    void lostDeviceEndsTheReadAndClosesThePort()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        QSignalSpy lost(&m.link.serial(), &SerialLink::portLost);
        // The module goes away while the program waits for block 3.
        m.sim.module().faults().silent = true;
        QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &m.sim, [&m](const QByteArray& line) {
            if (line == "RDFL0003")
                QTimer::singleShot(0, &m.sim, [&m] { m.sim.hangUp(); });
        });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!m.link.blocks().readBlock(3));
        // Well before the 50 ticks of the read.
        QVERIFY2(clock.elapsed() < 25 * kTestTickMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(lost.size(), 1);
        QVERIFY(!lost.first().first().toString().isEmpty());
        QVERIFY(!m.link.isOpen());
        // The next transaction says why at once instead of blaming the module.
        clock.restart();
        QVERIFY(!m.link.blocks().CheckInstallerCode());
        QCOMPARE(m.link.blocks().failureText(), QStringLiteral(" Nincs soros kapcsolat."));
        QVERIFY(clock.elapsed() < 15 * kTestTickMs);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
