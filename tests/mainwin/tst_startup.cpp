// Start-up: the splash window first, the main window about two seconds later
// with its texts set, and the program ending when the main window closes;
// what is set up before, and the refusal to run without the code page.
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "app/AppSetup.h"
#include "app/StartUp.h"
#include "link/Cp1250.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TForm1.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    // The window system shows a window's caption and nothing more: an
    // application display name would be appended to every title. Message
    // boxes carry the application title.
    void titlesAreTheCaptionsAlone()
    {
        configureApplication();
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("sentrova"));
        QString boxTitle;
        QTimer::singleShot(0, [&boxTitle] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxTitle = box->windowTitle();
                box->accept();
            }
        });
        prompter().message(QStringLiteral("x"));
        QCOMPARE(boxTitle, QStringLiteral("GSM-Sentrova Pultrex"));
    }

    void refusesToRunWithoutTheCodePage_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("code page there") << true << QStringList();
        QTest::newRow("code page missing")
            << false
            << QStringList{QStringLiteral("A windows-1250 kódlap nem érhető el (a Qt ICU nélkül készült). "
                                          "A program nem indul el, hogy ne rontsa el az ékezetes neveket.")};
    }

    void refusesToRunWithoutTheCodePage()
    {
        QFETCH(bool, available);
        QFETCH(QStringList, errors);
        ScriptedPrompter prompts;
        if (!available)
            setCp1250Check([] { return false; });
        const bool ready = codePageReady();
        setCp1250Check(nullptr);
        QCOMPARE(ready, available);
        QCOMPARE(prompts.errors, errors);
    }

    // Last: it ends the application's event loop, after which no nested
    // loop (a message box) would run any more.
    void splashThenMainWindowThenEnd()
    {
        ScriptedPrompter prompts;
        QTemporaryDir config;
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        StartUp startUp(QStringLiteral("/dev/ttyFAKE3"));
        startUp.show();
        QWidget* splash = QApplication::activeWindow();
        QVERIFY(startUp.mainWindow() == nullptr);
        // Created after one step, shown after the next.
        QTRY_VERIFY(startUp.mainWindow() != nullptr);
        TForm1* main = startUp.mainWindow();
        QCOMPARE(main->windowTitle(), QStringLiteral("GSM-Sentrova  v1.22 (dv.2)"));
        QCOMPARE(main->lbSelectSerialPort->text(), QStringLiteral("Soros port kiválasztása"));
        QCOMPARE(main->cbCOM->currentText(), QStringLiteral("/dev/ttyFAKE3"));
        QTRY_VERIFY(main->isVisible());
        // Centred on its screen when it appears.
        const QPoint offCentre = main->geometry().center() - main->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        if (splash)
            QVERIFY(!splash->isVisible());

        // Closing the main window ends the program's event loop.
        QEventLoop loop;
        QTimer::singleShot(0, main, &QWidget::close);
        QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
