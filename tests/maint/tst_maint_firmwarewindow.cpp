// The firmware window loading files and transferring them into the simulated
// module, with the module's check and restart; and the program option that
// shows its button.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "DemoFirmware.h"
#include "app/StartUp.h"
#include "maint/FirmwareTransfer.h"
#include "maint/TFormFirmware.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TForm1.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kWrongCode = QStringLiteral(" Hibás telepítői azonosító!");
const QString kTransferFailed = QStringLiteral("Hiba történt az áttöltés közben!");
const QString kCheckFailed = QStringLiteral("Hiba történt ellenőrzés közben!");

enum class Fault { NakFrame1, NakFrame1Once, RefuseCodeOnTransfer, RefuseFirmware, RefuseCodeOnCheck };

struct FirmwareFixture
{
    FirmwareFixture()
        : m(stillModule())
    {
        connected = m.connect();
    }

    static SimulatorSettings stillModule()
    {
        SimulatorSettings s;
        s.live = false;
        return s;
    }

    QString file(const QString& name, const QByteArray& contents)
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size())
            return QString();
        return path;
    }

    void load(const QString& path)
    {
        prompter.files.push_back(path);
        QTest::mouseClick(form.btLoad, Qt::LeftButton);
    }

    // Loads the demo firmware of `lines` lines and transfers it.
    void transfer(int lines)
    {
        load(file(QStringLiteral("demo.GSF"), simfirmware::demoFirmwareFile(lines)));
        QTest::mouseClick(form.btStart, Qt::LeftButton);
    }

    // Frames written: the "WRFL" lines that came.
    qsizetype writes() const { return m.received("WRFL").size(); }
    // The frames written, each as the line of hex digits after its "WRFL".
    QByteArrayList written() const
    {
        QByteArrayList frames;
        const QByteArrayList& lines = m.sim.receivedLines();
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == "WRFL")
                frames << lines[i + 1];
        return frames;
    }
    QString status() const { return form.StatusBar1->currentMessage(); }

    QTemporaryDir dir;
    LinkedModule m;
    ScriptedPrompter prompter;
    TFormFirmware form{m.link};
    bool connected = false;
};

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFirmwareWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void controls()
    {
        DeviceLink link;
        TFormFirmware form(link);
        QCOMPARE(form.windowTitle(), QStringLiteral("Firmware Letöltő"));
        const std::pair<QPushButton*, const char*> buttons[] = {
            {form.btLoad, "Új firmware beolvasása fájlból"},
            {form.btStart, "Letöltés indítása"},
            {form.btCRC_Restart, "CRC ellenőrzés és újraindítás"},
            {form.btStop, "Stop"},
            {form.btClose, "Ablak bezárása"},
        };
        for (const auto& [button, caption] : buttons)
            QCOMPARE(button->text(), QString::fromUtf8(caption));
        QVERIFY(!form.btStart->isEnabled());
        QVERIFY(form.btCRC_Restart->isEnabled() && form.btStop->isEnabled());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The outer size, frame included (the offscreen platform draws one).
        QTRY_COMPARE(form.frameGeometry().size(), QSize(287, 248));
        QTest::mouseClick(form.btClose, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void refusedFileKeepsThePrevious_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("line");
        const QByteArray record = simfirmware::demoFirmwareFile(1);
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("short third line") << record + record + record.left(134) + "\r\n" << 3;
    }

    void refusedFileKeepsThePrevious()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, line);
        FirmwareFixture f;
        const QString refused = f.file(QStringLiteral("bad.GSF"), contents);
        const QString refusal = QStringLiteral("A(z) %1 fájl nem firmware fájl: a %2. sora nem firmware rekord.")
                                    .arg(refused)
                                    .arg(line);
        f.load(refused);
        QCOMPARE(f.prompter.errors, QStringList{refusal});
        QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("GSM Sentrova Firmware file (*.GSF)")});
        QVERIFY(!f.form.btStart->isEnabled());

        f.load(f.file(QStringLiteral("good.GSF"), simfirmware::demoFirmwareFile(9)));
        QCOMPARE(f.status(), QStringLiteral(" Fájl megnyitás rendben."));
        QCOMPARE(f.form.firmwareFrames().frameCount(), 3);
        QVERIFY(f.form.btStart->isEnabled());

        f.load(refused);
        QCOMPARE(f.prompter.errors, (QStringList{refusal, refusal}));
        QCOMPARE(f.form.firmwareFrames().frameCount(), 3);
        QVERIFY(f.form.btStart->isEnabled());
    }

    // A check run before any file was loaded leaves nothing to start.
    void checkWithoutAFileLeavesStartDisabled()
    {
        FirmwareFixture f;
        QVERIFY(f.connected);
        QTest::mouseClick(f.form.btCRC_Restart, Qt::LeftButton);
        QVERIFY(f.form.btLoad->isEnabled() && f.form.btCRC_Restart->isEnabled());
        QVERIFY(!f.form.btStart->isEnabled());
    }

    void transferCheckAndRestart()
    {
        FirmwareFixture f;
        QVERIFY(f.connected);
        f.transfer(9);
        QCOMPARE(f.status(), QStringLiteral("Az áttöltés sikerült!"));
        QCOMPARE(f.form.ProgressBar1->maximum(), 2);
        QCOMPARE(f.form.ProgressBar1->value(), 2);
        QCOMPARE(f.writes(), 3);
        QCOMPARE(f.m.sim.module().firmware().framesHeld(), 3);
        QVERIFY(f.form.btLoad->isEnabled() && f.form.btStart->isEnabled());

        QTest::mouseClick(f.form.btCRC_Restart, Qt::LeftButton);
        QCOMPARE(f.status(), QStringLiteral("A CRC ellenőrzés sikerült."));
        QCOMPARE(f.prompter.messages,
                 QStringList{QStringLiteral(
                     "A firmware ellenőrzés sikerült, az Sentrova modul újraindul, ezért a kapcsolat megszakad!")});
        QVERIFY(f.m.sim.module().firmware().restarting());
        QVERIFY(f.prompter.errors.isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("writes");
        // Frame 1 three times; frame 2 never.
        QTest::newRow("frame never acknowledged") << Fault::NakFrame1 << QStringList{} << kTransferFailed << 4;
        // Frame 1 twice; the transfer goes on with frame 2.
        QTest::newRow("frame acknowledged on its second attempt")
            << Fault::NakFrame1Once << QStringList{} << QStringLiteral("Az áttöltés sikerült!") << 4;
        QTest::newRow("code refused on transfer")
            << Fault::RefuseCodeOnTransfer << QStringList{kWrongCode} << kTransferFailed << 0;
        QTest::newRow("check not confirmed") << Fault::RefuseFirmware << QStringList{} << kCheckFailed << 4;
        QTest::newRow("code refused on check")
            << Fault::RefuseCodeOnCheck << QStringList{kWrongCode} << kCheckFailed << 3;
    }

    void failures()
    {
        QFETCH(Fault, fault);
        QFETCH(QStringList, messages);
        QFETCH(QString, status);
        QFETCH(int, writes);
        FirmwareFixture f;
        QVERIFY(f.connected);
        FaultSwitches& faults = f.m.sim.module().faults();
        faults.nakFirmwareFrame = fault == Fault::NakFrame1 ? std::optional<int>(1) : std::nullopt;
        faults.nakFirmwareOnce = fault == Fault::NakFrame1Once ? std::optional<int>(1) : std::nullopt;
        faults.refuseCode = fault == Fault::RefuseCodeOnTransfer;
        faults.refuseFirmware = fault == Fault::RefuseFirmware;
        f.transfer(9);
        if (fault == Fault::RefuseFirmware || fault == Fault::RefuseCodeOnCheck) {
            QCOMPARE(f.status(), QStringLiteral("Az áttöltés sikerült!"));
            faults.refuseCode = fault == Fault::RefuseCodeOnCheck;
            QTest::mouseClick(f.form.btCRC_Restart, Qt::LeftButton);
        }
        QCOMPARE(f.prompter.messages, messages);
        QCOMPARE(f.status(), status);
        QCOMPARE(f.writes(), writes);
        QVERIFY(f.form.btLoad->isEnabled() && f.form.btStart->isEnabled());
    }

    // A frame that the module does not take keeps the transfer on it for
    // three attempts; neither the check button nor loading another file
    // meanwhile may touch the transfer or the buttons it disabled.
    void clicksDuringATransferChangeNothing()
    {
        FirmwareFixture f;
        QVERIFY(f.connected);
        f.m.sim.module().faults().nakFirmwareFrame = 0;
        QByteArray otherFile = simfirmware::demoFirmwareFile(9);
        otherFile[20] = otherFile[20] == '0' ? '1' : '0'; // another data byte in frame 0
        const QString other = f.file(QStringLiteral("other.GSF"), otherFile);
        struct Enabled
        {
            bool load, start, check;
            bool operator==(const Enabled&) const = default;
        };
        QList<Enabled> whileRunning;
        // Inside the first attempt's 80 ticks.
        QTimer::singleShot(30 * kTestTickMs, &f.form, [&] {
            QTest::mouseClick(f.form.btCRC_Restart, Qt::LeftButton);
            f.prompter.files.push_back(other);
            QTest::mouseClick(f.form.btLoad, Qt::LeftButton);
            whileRunning << Enabled{f.form.btLoad->isEnabled(), f.form.btStart->isEnabled(),
                                    f.form.btCRC_Restart->isEnabled()};
        });
        f.transfer(9);

        QCOMPARE(whileRunning, QList<Enabled>{(Enabled{false, false, false})});
        const QByteArrayList frames = f.written();
        QCOMPARE(frames.size(), 3);
        QCOMPARE(frames[1], frames[0]);
        QCOMPARE(frames[2], frames[0]);
        QCOMPARE(f.status(), kTransferFailed);
        QCOMPARE(f.prompter.files.size(), std::size_t(1)); // the file dialog never ran
        QVERIFY(f.form.btLoad->isEnabled() && f.form.btStart->isEnabled() && f.form.btCRC_Restart->isEnabled());
    }

    // The transfer sends its own copy of the frames: what the caller's copy
    // becomes during a wait does not reach the module.
    void transferSendsItsOwnFrames()
    {
        FirmwareFixture f;
        QVERIFY(f.connected);
        f.m.sim.module().faults().nakFirmwareFrame = 0;
        firmware::FirmwareImage image =
            firmware::BuildFirmwareFrames(firmware::readFirmware(simfirmware::demoFirmwareFile(4)).lines);
        QTimer::singleShot(30 * kTestTickMs, &f.form, [&image] { image.frames[0].fill(0); });
        firmware::FirmwareTransfer transfer(f.m.link);
        const auto outcome = transfer.transfer(image, [](const QString&) {}, [](int) {});
        QCOMPARE(outcome, firmware::TransferOutcome::FrameFailed);
        QCOMPARE(f.written(), QByteArrayList(3, f.written().value(0)));
        QVERIFY(!f.written().value(0).startsWith(QByteArray(512, '0')));
    }

    void stopDuringAFramesWait()
    {
        FirmwareFixture f;
        QVERIFY(f.connected);
        f.m.sim.module().faults().nakFirmwareFrame = 0;
        // Well inside the first attempt's 80 ticks.
        QTimer::singleShot(20 * kTestTickMs, f.form.btStop, [&f] { QTest::mouseClick(f.form.btStop, Qt::LeftButton); });
        f.transfer(9);
        QCOMPARE(f.status(), QStringLiteral("Az áttöltés leállítva."));
        QCOMPARE(f.writes(), 1);
        // That wait ran to its end.
        QCOMPARE(f.m.link.countdown().value(), 0);
    }

    void programOptionShowsTheButton_data()
    {
        QTest::addColumn<bool>("option");
        QTest::newRow("without") << false;
        QTest::newRow("--firmware") << true;
    }

    void programOptionShowsTheButton()
    {
        QFETCH(bool, option);
        ScriptedPrompter prompts;
        QTemporaryDir config;
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        StartUp startUp(QString(), option);
        startUp.show();
        QTRY_VERIFY(startUp.mainWindow() != nullptr);
        QTRY_VERIFY(startUp.mainWindow()->isVisible());
        QCOMPARE(startUp.mainWindow()->btFirmware->isVisible(), option);
    }
};

QTEST_MAIN(TestFirmwareWindow)
#include "tst_maint_firmwarewindow.moc"
