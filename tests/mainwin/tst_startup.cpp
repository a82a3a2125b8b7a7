// Start-up: the splash window first, the main window about two seconds later
// with its texts set, and the program ending when the main window closes.
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "app/StartUp.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TForm1.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

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
