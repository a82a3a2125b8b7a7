// The main window against the simulated module: picking the port, connecting
// and the periodic code check answered in the status bar.
#include "ModuleSimulator.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "mainwin/MainTexts.h"
#include "mainwin/TForm1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class TestTForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void connectAndSeeTheCodeCheckAnswered()
    {
        QTemporaryDir dir;
        ModuleSimulator sim;
        QVERIFY(sim.start(dir.filePath(QStringLiteral("module"))));
        DeviceLink link;
        TForm1 form(link);
        form.addPort(sim.linkPath());
        QCOMPARE(form.cbCOM->currentText(), sim.linkPath());
        QVERIFY(form.btConnect->isEnabled());
        QVERIFY(!form.btDisconnect->isEnabled());

        QTest::keyClicks(form.edPWD, QStringLiteral("12345678"));
        QCOMPARE(form.edPWD->text(), QStringLiteral("123456"));
        form.edPWD->clear();
        QTest::keyClicks(form.edPWD, QStringLiteral("4321"));
        QTest::mouseClick(form.btConnect, Qt::LeftButton);
        QVERIFY(!form.btConnect->isEnabled());
        QVERIFY(form.btDisconnect->isEnabled());
        QCOMPARE(form.StatusBar1->currentMessage(), text::serialLinkOk);

        // The periodic check with a wrong code is refused ...
        QTRY_COMPARE(form.StatusBar1->currentMessage(), text::wrongInstallerCode);
        QVERIFY(sim.receivedLines().contains("RPWD" + QByteArray("BCDE00")));
        // ... and with the right one the status bar is emptied.
        form.edPWD->clear();
        QTest::keyClicks(form.edPWD, QStringLiteral("1234"));
        QTRY_COMPARE(form.StatusBar1->currentMessage(), QString());

        QTest::mouseClick(form.btDisconnect, Qt::LeftButton);
        QCOMPARE(form.StatusBar1->currentMessage(), text::noSerialLink);
        QVERIFY(form.btConnect->isEnabled());
        QVERIFY(!form.btDisconnect->isEnabled());
        QVERIFY(!form.link().isOpen());
    }

    void unavailablePortIsReported()
    {
        QTemporaryDir dir;
        DeviceLink link;
        TForm1 form(link);
        form.addPort(dir.filePath(QStringLiteral("nothing-here")));
        QTest::mouseClick(form.btConnect, Qt::LeftButton);
        QCOMPARE(form.StatusBar1->currentMessage(), text::portUnavailable);
        QVERIFY(form.btConnect->isEnabled());
        QVERIFY(!form.btDisconnect->isEnabled());
    }

    void clickingTheStatusBarShowsTheCaption()
    {
        DeviceLink link;
        TForm1 form(link);
        form.setWindowTitle(QStringLiteral("GSM-Sentrova  v1.22 (dv.2)"));
        form.StatusBar1->showMessage(QStringLiteral("valami"));
        QTest::mouseClick(form.StatusBar1, Qt::LeftButton);
        QCOMPARE(form.StatusBar1->currentMessage(), form.windowTitle());
    }
};

QTEST_MAIN(TestTForm1)
#include "tst_tform1.moc"
