// No modal window or message box is run again from inside its own loop: a
// window closed during one of its waits cannot be opened again before that
// wait has ended, a second press of an opener while its dialog is open opens
// nothing, and a message box is not stacked on the same one.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "maint/TFormClock.h"
#include "maint/TFormRF.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TForm1.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"
#include "params/TFormDownload.h"
#include "params/TFormOnOffMode.h"
#include "params/TFormParSetting.h"
#include "params/editor/ArmingModeBox.h"
#include "params/editor/NumberBox.h"
#include "params/editor/PhonesPage.h"
#include "params/editor/RadioGroup.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

enum class Modal { Status, Clock, Radio };

const QRegularExpression kRecursiveExec(QStringLiteral("Recursive call"));

// The main window with the three windows it shows modally, on a module.
struct MainWindowRig
{
    MainWindowRig()
        : m(stillModule())
    {
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        main = std::make_unique<TForm1>(m.link);
        main->setWindows({nullptr, &eventList, &status, &clock, &radio, nullptr, nullptr});
        main->edPWD->setText(QStringLiteral("1234"));
        m.link.codeTimer().stop();
    }

    static SimulatorSettings stillModule()
    {
        SimulatorSettings s;
        s.live = false;
        return s;
    }

    QTemporaryDir config;
    LinkedModule m;
    ScriptedPrompter prompter;
    TFormEventlistShort eventList{m.link};
    TFormStatus status{m.link, eventList};
    TFormClock clock{m.link};
    TFormRF radio{m.link};
    std::unique_ptr<TForm1> main;
};

} // namespace

Q_DECLARE_METATYPE(Modal)

class TestModalLoops : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    // Each window is closed while one of its handlers waits, and its button
    // on the main window is pressed again before that wait has ended.
    void closedWindowNotReopenedDuringItsWait_data()
    {
        QTest::addColumn<Modal>("window");
        QTest::newRow("status window, alarm stop") << Modal::Status;
        QTest::newRow("clock window, reading") << Modal::Clock;
        QTest::newRow("radio window, teaching") << Modal::Radio;
    }

    void closedWindowNotReopenedDuringItsWait()
    {
        QFETCH(Modal, window);
        QTest::failOnWarning(kRecursiveExec);
        MainWindowRig r;
        r.prompter.answers = {true};
        QVERIFY(r.m.connect());
        QDialog* dialog = nullptr;
        QPushButton* opener = nullptr;
        QPushButton* waits = nullptr;
        // Something that happens inside the handler's wait.
        QMetaObject::Connection inWait;
        QString reopenSaid;
        const auto closeAndReopen = [&] {
            QObject::disconnect(inWait);
            QTimer::singleShot(0, dialog, [&] {
                dialog->close();
                QTest::mouseClick(opener, Qt::LeftButton);
                reopenSaid = r.main->StatusBar1->currentMessage();
            });
        };
        switch (window) {
        case Modal::Status:
            dialog = &r.status;
            opener = r.main->btStatus;
            waits = r.status.btSotpAllAlarm;
            inWait = QObject::connect(r.status.StatusTimer, &QTimer::timeout, dialog, closeAndReopen);
            break;
        case Modal::Clock:
            r.m.sim.module().faults().silent = true;
            dialog = &r.clock;
            opener = r.main->btClock;
            waits = r.clock.btReadClock;
            inWait = QObject::connect(&r.m.sim, &ModuleSimulator::lineReceived, dialog, closeAndReopen);
            break;
        case Modal::Radio:
            dialog = &r.radio;
            opener = r.main->btRFlearn;
            waits = r.radio.findChild<QPushButton*>(QStringLiteral("btTeachA1"));
            inWait = QObject::connect(r.radio.RFTimer, &QTimer::timeout, dialog, closeAndReopen);
            break;
        }
        QTimer::singleShot(0, dialog, [&] { QTest::mouseClick(waits, Qt::LeftButton); });
        QTest::mouseClick(opener, Qt::LeftButton);

        QCOMPARE(reopenSaid, text::otherTransactionRunning);
        QVERIFY(!dialog->isVisible());
        // The handler ran its course as if the window had stayed open.
        switch (window) {
        case Modal::Status:
            QCOMPARE(r.m.received("RSTP").size(), 3);
            QCOMPARE(r.prompter.messages, QStringList{QStringLiteral("Riasztási események leállítva!")});
            QVERIFY(!r.status.StatusTimer->isActive());
            break;
        case Modal::Clock:
            QCOMPARE(r.prompter.messages,
                     QStringList{QStringLiteral(
                         "A modul nem válaszol! Állítsa le a riasztási eseményeket és próbálja újra!")});
            break;
        case Modal::Radio:
            QCOMPARE(r.m.received("TRF"), QByteArrayList{"TRF0EDCB00"});
            QVERIFY(!r.radio.RFTimer->isActive());
            break;
        }
        // Once the wait is over the window opens again.
        QTimer::singleShot(0, dialog, [&] { dialog->close(); });
        r.main->StatusBar1->clearMessage();
        QTest::mouseClick(opener, Qt::LeftButton);
        QCOMPARE(r.main->StatusBar1->currentMessage(), QString());
    }

    // A press that reaches an opener while its dialog is open (a screen
    // reader's action is not stopped by the dialog's modality) opens nothing
    // and keeps what was chosen in the dialog.
    void openerPressedWhileItsDialogIsOpen()
    {
        QTest::failOnWarning(kRecursiveExec);
        ScriptedPrompter prompter;
        DeviceLink link;
        params::ParameterImage image;
        TFormParSetting editor(image);
        TFormOnOffMode armingMode;
        editor.setArmingModeDialog(armingMode);
        TFormDownload download(link, image, editor);
        ArmingModeBox& box = *editor.TabSheet5->armingMode;

        int editorValue = -1;
        QTimer::singleShot(0, &editor, [&] {
            QTimer::singleShot(0, &armingMode, [&] {
                armingMode.rgOnOffMode->setItemIndex(3);
                box.btOnOffMode->click();
                QCOMPARE(armingMode.rgOnOffMode->itemIndex(), 3);
                armingMode.btClose->click();
            });
            box.btOnOffMode->click();
            download.btEdit->click();
            editorValue = box.edOnOffMode->value();
            editor.reject();
        });
        download.btEdit->click();
        // Chosen in the dialog and not loaded over by a second opening.
        QCOMPARE(editorValue, 3);
    }

    // The real message boxes: the same box asked for again from inside its
    // own loop (a timer tick, a second press) is not stacked on it.
    void sameMessageBoxNotStacked()
    {
        setPrompter(nullptr);
        const QString text = QStringLiteral("Egy másik művelet folyamatban van.");
        QTimer::singleShot(0, qApp, [&text] { prompter().message(text); });
        // Counts the boxes on the screen, then closes them.
        int mostOpen = 0;
        int ticks = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, &watch, [&] {
            QList<QMessageBox*> open;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                    open << box;
            mostOpen = std::max(mostOpen, int(open.size()));
            if (++ticks >= 10)
                for (QMessageBox* box : open)
                    box->reject();
        });
        watch.start(kTestTickMs);
        prompter().message(text);
        watch.stop();
        QCOMPARE(mostOpen, 1);
    }
};

QTEST_MAIN(TestModalLoops)
#include "tst_modalloops.moc"
