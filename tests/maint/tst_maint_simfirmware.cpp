// The simulated module's side of the firmware update: frames taken at 33 to
// 544, the control block checked against them, the restart, its fault
// switches and command line.
#include "CommandLine.h"
#include "DemoFirmware.h"
#include "DemoMemory.h"
#include "ModuleProtocol.h"

#include "maint/FirmwareFrames.h"

#include <QTest>

namespace {

using Replies = ModuleProtocol::Replies;

enum class Spoil { None, MissingFrame, GroupSum, Mark, FrameCount, RefusedBySwitch, Checksum };

struct Module
{
    ModuleProtocol protocol{demoParameterMemory()};

    Replies send(QByteArrayView line) { return protocol.handleLine(line); }
    Replies logIn() { return send("RPWDEDCB00"); } // code 1234
    Replies write(const Frame& f)
    {
        send("WRFL");
        return send(QByteArray(reinterpret_cast<const char*>(f.data()), int(f.size())).toHex().toUpper());
    }
};

// The demo firmware of `lines` lines as the program sends it.
firmware::FirmwareImage demoImage(int lines)
{
    return firmware::BuildFirmwareFrames(firmware::readFirmware(simfirmware::demoFirmwareFile(lines)).lines);
}

void resum(Frame& f)
{
    storeChecksumMsbFirst(f);
}

} // namespace

Q_DECLARE_METATYPE(Spoil)

class TestSimFirmware : public QObject
{
    Q_OBJECT
private slots:
    void framesAreTakenAndDeciphered()
    {
        Module m;
        m.logIn();
        const firmware::FirmwareImage image = demoImage(9);
        for (const Frame& f : image.frames)
            QCOMPARE(m.write(f), Replies{"WROK"});
        QCOMPARE(m.protocol.firmware().framesHeld(), 3);
        // Both key streams of the program undone by the module's own.
        for (int line = 0; line < 9; ++line)
            QCOMPARE(m.protocol.firmware().record(line), simfirmware::demoRecord(line));
        QCOMPARE(m.protocol.firmware().record(9)->at(0), 0xFF);
    }

    void controlBlock_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<Replies>("replies");
        QTest::newRow("agrees") << Spoil::None << Replies{"FIRMWAREOK"};
        QTest::newRow("a frame missing") << Spoil::MissingFrame << Replies{};
        QTest::newRow("group sum off by one") << Spoil::GroupSum << Replies{};
        QTest::newRow("no FIRMW. mark") << Spoil::Mark << Replies{};
        QTest::newRow("frame count one short") << Spoil::FrameCount << Replies{};
        QTest::newRow("refused by its switch") << Spoil::RefusedBySwitch << Replies{};
        QTest::newRow("wrong checksum") << Spoil::Checksum << Replies{"WRFLERR"};
    }

    void controlBlock()
    {
        QFETCH(Spoil, spoil);
        QFETCH(Replies, replies);
        Module m;
        m.protocol.firmware().setRestartMs(60000);
        m.logIn();
        firmware::FirmwareImage image = demoImage(21); // six frames, two groups
        Frame& control = image.control;
        for (int f = 0; f < image.frameCount(); ++f)
            if (spoil != Spoil::MissingFrame || f != 5)
                m.write(image.frames[std::size_t(f)]);
        switch (spoil) {
        case Spoil::GroupSum: ++control[3]; resum(control); break;
        case Spoil::Mark: control[263] = '!'; resum(control); break;
        case Spoil::FrameCount: control[257] = 5; resum(control); break;
        case Spoil::RefusedBySwitch: m.protocol.faults().refuseFirmware = true; break;
        case Spoil::Checksum: ++control[269]; break;
        case Spoil::None:
        case Spoil::MissingFrame: break;
        }
        QCOMPARE(m.write(control), replies);
        // Confirmed: the module restarts, silent and without the session.
        const bool restarted = spoil == Spoil::None;
        QCOMPARE(m.protocol.loggedIn(), !restarted);
        QCOMPARE(m.logIn(), restarted ? Replies{} : Replies{"PWDOK"});
        QCOMPARE(m.protocol.firmware().framesHeld(), restarted ? 0 : image.frameCount() - (spoil == Spoil::MissingFrame));
    }

    void answersAgainAfterTheRestart()
    {
        Module m;
        m.protocol.firmware().setRestartMs(50);
        m.logIn();
        const firmware::FirmwareImage image = demoImage(4);
        m.write(image.frames[0]);
        QCOMPARE(m.write(image.control), Replies{"FIRMWAREOK"});
        QCOMPARE(m.logIn(), Replies{});
        QTRY_COMPARE(m.logIn(), Replies{"PWDOK"});
    }

    void frameNotAcknowledged_data()
    {
        QTest::addColumn<bool>("once");
        QTest::addColumn<QList<Replies>>("frame1Replies"); // to three writes of frame 1
        QTest::addColumn<int>("held");
        QTest::newRow("never") << false << QList<Replies>{{}, {}, {}} << 2;
        QTest::newRow("first write only") << true << QList<Replies>{{}, {"WROK"}, {"WROK"}} << 3;
    }

    void frameNotAcknowledged()
    {
        QFETCH(bool, once);
        QFETCH(QList<Replies>, frame1Replies);
        QFETCH(int, held);
        Module m;
        (once ? m.protocol.faults().nakFirmwareOnce : m.protocol.faults().nakFirmwareFrame) = 1;
        m.logIn();
        const firmware::FirmwareImage image = demoImage(12);
        QCOMPARE(m.write(image.frames[0]), Replies{"WROK"});
        QList<Replies> replies;
        for (int attempt = 0; attempt < 3; ++attempt)
            replies << m.write(image.frames[1]);
        QCOMPARE(replies, frame1Replies);
        QCOMPARE(m.write(image.frames[2]), Replies{"WROK"});
        QCOMPARE(m.protocol.firmware().framesHeld(), held);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("nakFrame"); // -1: none
        QTest::addColumn<int>("nakOnce");  // -1: none
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("writePath");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("good");
        QTest::newRow("none") << QStringList{} << -1 << -1 << false << QString() << 2048 << true;
        QTest::newRow("faults") << QStringList{"--nak-firmware", "511", "--nak-firmware-once", "0", "--refuse-firmware"}
                                << 511 << 0 << true << QString() << 2048 << true;
        QTest::newRow("demo file") << QStringList{"--write-firmware", "x.GSF", "--lines", "5"} << -1 << -1 << false
                                   << QStringLiteral("x.GSF") << 5 << true;
        QTest::newRow("frame 512") << QStringList{"--nak-firmware", "512"} << -1 << -1 << false << QString() << 2048
                                   << false;
        QTest::newRow("once frame 512") << QStringList{"--nak-firmware-once", "512"} << -1 << -1 << false << QString()
                                        << 2048 << false;
        QTest::newRow("4097 lines") << QStringList{"--lines", "4097"} << -1 << -1 << false << QString() << 2048
                                    << false;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, nakFrame);
        QFETCH(int, nakOnce);
        QFETCH(bool, refuse);
        QFETCH(QString, writePath);
        QFETCH(int, lines);
        QFETCH(bool, good);
        const CommandLine parsed = parseCommandLine(QStringList{QStringLiteral("sentrova-sim")} + arguments);
        QCOMPARE(parsed.error.isEmpty(), good);
        if (!good)
            return;
        QCOMPARE(parsed.settings.faults.nakFirmwareFrame.value_or(-1), nakFrame);
        QCOMPARE(parsed.settings.faults.nakFirmwareOnce.value_or(-1), nakOnce);
        QCOMPARE(parsed.settings.faults.refuseFirmware, refuse);
        QCOMPARE(parsed.writeFirmwarePath, writePath);
        QCOMPARE(parsed.firmwareLines, lines);
    }
};

QTEST_GUILESS_MAIN(TestSimFirmware)
#include "tst_maint_simfirmware.moc"
