// The main window against the simulated module: the port, the periodic code
// check, the version query, the alarm stop, the settings file and the serial
// monitor button.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "link/Commands.h"
#include "link/LinkTexts.h"
#include "mainwin/MainTexts.h"
#include "monitor/AlarmStop.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TForm1.h"
#include "mainwin/TSerialForm.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A main window on its own link, with its settings file in a fresh folder.
struct MainWindowOnModule
{
    MainWindowOnModule()
    {
        qputenv(settings_file::kFolderVariable, configDir.path().toLocal8Bit());
        form = std::make_unique<TForm1>(link);
        link.codeTimer().stop();
    }

    bool connectTo(ModuleSimulator& sim, const QString& code = QStringLiteral("1234"))
    {
        if (!sim.start(simDir.filePath(QStringLiteral("module"))))
            return false;
        form->addPort(sim.linkPath());
        form->edPWD->setText(code);
        QTest::mouseClick(form->btConnect, Qt::LeftButton);
        // Connecting starts the periodic check; tests start it when they want it.
        link.codeTimer().stop();
        return link.isOpen();
    }

    QTemporaryDir configDir;
    QTemporaryDir simDir;
    DeviceLink link;
    std::unique_ptr<TForm1> form;
};

// Answers every line that begins with `prefix` with `reply`.
void answer(ModuleSimulator& sim, QByteArray prefix, QByteArray reply)
{
    QObject::connect(&sim, &ModuleSimulator::lineReceived, &sim, [&sim, prefix, reply](const QByteArray& line) {
        if (line.startsWith(prefix))
            sim.sendLine(reply);
    });
}

} // namespace

class TestTForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void controlsAtStart()
    {
        MainWindowOnModule w;
        TForm1& f = *w.form;
        QCOMPARE(f.size(), QSize(245, 495));
        QVERIFY(f.btConnect->isEnabled());
        QVERIFY(!f.btDisconnect->isEnabled());
        QVERIFY(!f.btFirmware->isVisibleTo(&f));
        QCOMPARE(f.btDetails->text(), QStringLiteral(" >>"));
        QCOMPARE(f.edPWD->maxLength(), 6);
        QCOMPARE(f.cbCOM->accessibleName(), QStringLiteral("Soros port kiválasztása"));
        QCOMPARE(f.edPWD->accessibleName(), QStringLiteral("Telepítői kód megadása"));
        QCOMPARE(f.edPhoneNr->accessibleName(), QStringLiteral("Telefonszám megadása távoli eléréshez"));
        QVERIFY(f.btParameterSetting->height() > f.btAskVersion->height());
        const std::pair<QPushButton*, const char*> captions[] = {
            {f.btConnect, "Soros kapcsolat létrehozása"},   {f.btDisconnect, "Soros kapcsolat bontása"},
            {f.btDial, "Tárcsázás"},                        {f.btATH, "Vonal bontás"},
            {f.btParameterSetting, "Paraméterek beállítása"}, {f.btEventlistShort, "Rövid eseménylista lekérdezése"},
            {f.btAskVersion, "Modul verziójának lekérdezése"}, {f.btStatus, "Modul állapotának figyelése"},
            {f.btClock, "Óra ellenőrzése / beállítása"},     {f.btSotpAllAlarm, "Riasztás leállítása"},
            {f.btRFlearn, "Rádiós eszközök tanítása"},       {f.btFirmware, "Firmware"},
            {f.btClose, "Kilépés"},
        };
        for (const auto& [button, caption] : captions) {
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            QVERIFY(button->font().bold());
        }
    }

    void connectAndSeeTheCodeCheckAnswered()
    {
        MainWindowOnModule w;
        ModuleSimulator sim;
        TForm1& f = *w.form;
        QVERIFY(w.connectTo(sim, QStringLiteral("4321")));
        QCOMPARE(f.cbCOM->currentText(), sim.linkPath());
        QVERIFY(!f.btConnect->isEnabled());
        QVERIFY(f.btDisconnect->isEnabled());
        QCOMPARE(f.StatusBar1->currentMessage(), text::serialLinkOk);

        // The periodic check with a wrong code is refused ...
        w.link.codeTimer().start();
        QTRY_COMPARE(f.StatusBar1->currentMessage(), text::wrongInstallerCode);
        QVERIFY(sim.receivedLines().contains("RPWDBCDE00"));
        // ... and with the right one the status bar is emptied.
        f.edPWD->clear();
        QTest::keyClicks(f.edPWD, QStringLiteral("1234"));
        QTRY_COMPARE(f.StatusBar1->currentMessage(), QString());

        QTest::mouseClick(f.btDisconnect, Qt::LeftButton);
        QCOMPARE(f.StatusBar1->currentMessage(), text::noSerialLink);
        QVERIFY(f.btConnect->isEnabled());
        QVERIFY(!f.btDisconnect->isEnabled());
        QVERIFY(!w.link.isOpen());
        // The timer runs on, sending nothing while the port is closed.
        QVERIFY(w.link.codeTimer().isActive());
    }

    void unavailablePortIsReported()
    {
        MainWindowOnModule w;
        w.form->addPort(w.simDir.filePath(QStringLiteral("nothing-here")));
        QTest::mouseClick(w.form->btConnect, Qt::LeftButton);
        QCOMPARE(w.form->StatusBar1->currentMessage(), text::portUnavailable);
        QVERIFY(w.form->btConnect->isEnabled());
        QVERIFY(!w.form->btDisconnect->isEnabled());
    }

    void clickingTheStatusBarShowsTheCaption()
    {
        MainWindowOnModule w;
        w.form->setWindowTitle(QStringLiteral("GSM-Sentrova  v1.22 (dv.2)"));
        w.form->StatusBar1->showMessage(QStringLiteral("valami"));
        QTest::mouseClick(w.form->StatusBar1, Qt::LeftButton);
        QCOMPARE(w.form->StatusBar1->currentMessage(), w.form->windowTitle());
    }

    void askVersion()
    {
        ScriptedPrompter prompts;
        MainWindowOnModule w;
        ModuleSimulator sim;
        w.form->StatusBar1->showMessage(QStringLiteral("előző"));
        QTest::mouseClick(w.form->btAskVersion, Qt::LeftButton);
        QCOMPARE(prompts.messages, QStringList{text::noSerialLink});
        QCOMPARE(w.form->StatusBar1->currentMessage(), QStringLiteral("előző"));
        QVERIFY(w.form->btAskVersion->isEnabled());

        QVERIFY(w.connectTo(sim));
        prompts.messages.clear();
        QTest::mouseClick(w.form->btAskVersion, Qt::LeftButton);
        QCOMPARE(prompts.messages,
                 QStringList{QStringLiteral("Programverzió: GSM-SENTROVA V3.05       (DataVer=2)")});
        QCOMPARE(w.link.moduleDataVersion, 2);
        QCOMPARE(w.form->StatusBar1->currentMessage(), QString());
        QVERIFY(!w.link.codeTimer().isActive()); // left as it was before the query
    }

    void askVersionRefusedWhileAnotherTransactionRuns()
    {
        ScriptedPrompter prompts;
        MainWindowOnModule w;
        ModuleSimulator sim;
        QVERIFY(w.connectTo(sim));
        auto running = w.link.beginTransaction();
        sim.clearReceivedLines();
        // The status bar is left to the transaction that holds the link.
        w.form->StatusBar1->showMessage(QStringLiteral("Programverzió lekérdezése..."));
        QTest::mouseClick(w.form->btAskVersion, Qt::LeftButton);
        QCOMPARE(w.form->StatusBar1->currentMessage(), QStringLiteral("Programverzió lekérdezése..."));
        QCOMPARE(prompts.messages, QStringList{text::otherTransactionRunning});
        QVERIFY(w.form->btAskVersion->isEnabled());
        QTest::qWait(5 * kTestTickMs);
        QVERIFY(sim.receivedLines().isEmpty());
    }

    void portChangeRefusedWhileAnotherTransactionRuns()
    {
        ScriptedPrompter prompts;
        MainWindowOnModule w;
        ModuleSimulator sim;
        QVERIFY(w.connectTo(sim));
        w.form->cbCOM->addItem(QStringLiteral("/dev/ttyFAKE9"));
        const auto running = w.link.beginTransaction();
        w.form->cbCOM->setCurrentIndex(w.form->cbCOM->count() - 1);
        emit w.form->cbCOM->activated(w.form->cbCOM->currentIndex());
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Egy másik művelet folyamatban van.")});
        QCOMPARE(w.form->cbCOM->currentText(), sim.linkPath());
        QVERIFY(w.link.isOpen());
        QCOMPARE(w.link.serial().portName(), sim.linkPath());
    }

    void alarmStop_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("busy"); // another window's transaction waits
        QTest::addColumn<bool>("lost"); // the device goes away after the RSTP
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rstpLines");
        QTest::addColumn<QString>("status");
        const QString before = QStringLiteral("előző");
        QTest::newRow("answered No") << false << true << false << false << QByteArray() << QStringList{} << 0
                                     << before;
        QTest::newRow("port closed") << true << false << false << false << QByteArray()
                                     << QStringList{QStringLiteral(" Nincs soros kapcsolat.")} << 0 << before;
        QTest::newRow("another transaction")
            << true << true << true << false << QByteArray()
            << QStringList{QStringLiteral("Egy másik művelet folyamatban van.")} << 0 << before;
        QTest::newRow("stopped") << true << true << false << false << QByteArray("PWDOK")
                                 << QStringList{QStringLiteral("Riasztási események leállítva!")} << 1 << QString();
        QTest::newRow("refused") << true << true << false << false << QByteArray("PWDERR")
                                 << QStringList{QStringLiteral(" Hibás telepítői azonosító!")} << 1 << QString();
        QTest::newRow("no answer") << true << true << false << false << QByteArray()
                                   << QStringList{QStringLiteral("A modul nem válaszol!")} << 1 << QString();
        QTest::newRow("port lost") << true << true << false << true << QByteArray()
                                   << QStringList{QStringLiteral(" Nincs soros kapcsolat.")} << 1 << QString();
    }

    void alarmStop()
    {
        QFETCH(bool, yes);
        QFETCH(bool, open);
        QFETCH(bool, busy);
        QFETCH(bool, lost);
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, messages);
        QFETCH(int, rstpLines);
        QFETCH(QString, status);
        ScriptedPrompter prompts;
        prompts.answers = {yes};
        MainWindowOnModule w;
        ModuleSimulator sim;
        if (open)
            QVERIFY(w.connectTo(sim, reply == "PWDERR" ? QStringLiteral("99") : QStringLiteral("1234")));
        sim.module().faults().silent = reply.isEmpty();
        if (!reply.isEmpty())
            answer(sim, "RSTP", reply);
        QByteArrayList received;
        QObject::connect(&sim, &ModuleSimulator::lineReceived, &sim, [&](const QByteArray& line) {
            received << line;
            if (lost)
                QTimer::singleShot(0, &sim, [&sim] { sim.hangUp(); });
        });
        auto running = busy ? w.link.beginTransaction() : std::nullopt;
        // The periodic check must stay quiet during the wait.
        w.link.codeTimer().start();
        w.form->StatusBar1->showMessage(QStringLiteral("előző"));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(w.form->btSotpAllAlarm, Qt::LeftButton);
        // Refused before the question when the link is taken.
        QCOMPARE(prompts.questions,
                 QStringList(busy ? 0 : 1, QStringLiteral("Biztosan le kívánja állítani a riasztási eseményeket ?")));
        QCOMPARE(prompts.messages, messages);
        if (lost)
            QVERIFY(clock.elapsed() < 30 * kTestTickMs); // not the 60 ticks of the wait
        int rstp = 0;
        for (const QByteArray& line : received) {
            rstp += line.startsWith("RSTP");
            QVERIFY2(!line.startsWith("RPWD"), "code check during the alarm stop");
        }
        QCOMPARE(rstp, rstpLines);
        QVERIFY(w.form->btSotpAllAlarm->isEnabled());
        QCOMPARE(w.form->StatusBar1->currentMessage(), status);
        running.reset();
        QVERIFY(w.link.codeTimer().isActive());
    }

    void lostPortShowsThePortClosed()
    {
        MainWindowOnModule w;
        ModuleSimulator sim;
        QVERIFY(w.connectTo(sim));
        QVERIFY(!w.form->btConnect->isEnabled());
        sim.hangUp();
        QTRY_VERIFY(w.form->btConnect->isEnabled());
        QVERIFY(!w.form->btDisconnect->isEnabled());
        QVERIFY(!w.link.isOpen());
        QCOMPARE(w.form->StatusBar1->currentMessage(), QStringLiteral(" Nincs soros kapcsolat."));
    }

    void dialNeedsCodeAndNumber_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("status");
        QTest::newRow("no code") << "" << "0612345" << QStringList{text::dialNeedsCode} << "";
        QTest::newRow("letters only") << "abc" << "0612345" << QStringList{text::dialNeedsCode} << "";
        QTest::newRow("no number") << "1234" << "" << QStringList{text::dialNeedsNumber} << "";
        QTest::newRow("port closed") << "1234" << "0612345" << QStringList{text::noSerialLink}
                                     << text::noConnection;
    }

    void dialNeedsCodeAndNumber()
    {
        QFETCH(QString, code);
        QFETCH(QString, number);
        QFETCH(QStringList, messages);
        QFETCH(QString, status);
        ScriptedPrompter prompts;
        MainWindowOnModule w;
        w.form->edPWD->setText(code);
        w.form->edPhoneNr->setText(number);
        w.form->StatusBar1->clearMessage();
        QTest::mouseClick(w.form->btDial, Qt::LeftButton);
        QCOMPARE(prompts.messages, messages);
        QCOMPARE(w.form->StatusBar1->currentMessage(), status);
        QVERIFY(w.form->btDial->isEnabled());
    }

    void settingsPersistBetweenRuns()
    {
        QTemporaryDir config;
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        {
            DeviceLink link;
            TForm1 form(link);
            QVERIFY(form.edPhoneNr->text().isEmpty());
            form.addPort(QStringLiteral("/dev/ttyFAKE7"));
            form.edPhoneNr->setText(QStringLiteral("06301234567"));
        }
        QFile file(config.filePath(settings_file::kFileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,/dev/ttyFAKE7\r\n1,0,06301234567\r\n"));
        DeviceLink link;
        TForm1 form(link);
        QCOMPARE(link.serial().portName(), QStringLiteral("/dev/ttyFAKE7"));
        QCOMPARE(form.cbCOM->currentText(), QStringLiteral("/dev/ttyFAKE7"));
        QCOMPARE(form.edPhoneNr->text(), QStringLiteral("06301234567"));
    }

    void brokenSettingsGiveDefaults()
    {
        QTemporaryDir config;
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        QFile file(config.filePath(settings_file::kFileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("garbage\r\n1,0,555\r\n");
        file.close();
        DeviceLink link;
        TForm1 form(link);
        QCOMPARE(link.serial().portName(), QStringLiteral("COM1"));
        QVERIFY(form.edPhoneNr->text().isEmpty());
    }

    void settingsThatCannotBeWrittenAreReported()
    {
        ScriptedPrompter prompts;
        QTemporaryDir config;
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        QVERIFY(QDir().mkpath(config.filePath(settings_file::kFileName)));
        {
            DeviceLink link;
            TForm1 form(link);
        }
        QCOMPARE(prompts.errors, QStringList{text::cannotCreate + config.filePath(settings_file::kFileName)});
    }

    void detailsButtonCyclesItsCaption()
    {
        MainWindowOnModule w;
        TSerialForm monitor(w.link);
        w.form->setWindows({.serialMonitor = &monitor});
        QObject::connect(&monitor, &TSerialForm::closedByButton, w.form.get(), &TForm1::serialMonitorClosed);
        QCOMPARE(w.form->btDetails->text(), QStringLiteral(" >>"));
        QTest::mouseClick(w.form->btDetails, Qt::LeftButton);
        QVERIFY(monitor.isVisible());
        QCOMPARE(w.form->btDetails->text(), QStringLiteral("<<"));
        QTest::mouseClick(w.form->btDetails, Qt::LeftButton);
        QVERIFY(!monitor.isVisible());
        QCOMPARE(w.form->btDetails->text(), QStringLiteral(">>"));
        QTest::mouseClick(w.form->btDetails, Qt::LeftButton);
        QCOMPARE(w.form->btDetails->text(), QStringLiteral("<<"));
        QTest::mouseClick(monitor.btClose, Qt::LeftButton);
        QVERIFY(!monitor.isVisible());
        QCOMPARE(w.form->btDetails->text(), QStringLiteral(">>"));
        QTest::mouseClick(w.form->btDetails, Qt::LeftButton);
        QVERIFY(monitor.isVisible());
    }
};

QTEST_MAIN(TestTForm1)
#include "tst_tform1.moc"
