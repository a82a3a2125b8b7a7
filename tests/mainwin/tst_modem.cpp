// Dialling and hanging up through the simulator's modem with the main window's
// buttons.
#include "ModuleSimulator.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "mainwin/MainTexts.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TForm1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kConnectDelayMs = 3 * kTestTickMs;
constexpr int kNeverConnectsMs = 1000 * 1000;
// Shorter than the program's 20-tick pauses around the escape.
constexpr int kEscapeGuardMs = 8 * kTestTickMs;

struct DialSetup
{
    explicit DialSetup(ModemSettings modem)
        : sim(settingsWith(modem))
    {
        qputenv(settings_file::kFolderVariable, config.path().toLocal8Bit());
        form = std::make_unique<TForm1>(link);
        link.codeTimer().stop();
    }

    static SimulatorSettings settingsWith(ModemSettings modem)
    {
        SimulatorSettings s;
        modem.enabled = true;
        s.modem = modem;
        return s;
    }

    bool connect()
    {
        if (!sim.start(dir.filePath(QStringLiteral("modem"))))
            return false;
        form->addPort(sim.linkPath());
        QTest::mouseClick(form->btConnect, Qt::LeftButton);
        link.codeTimer().stop();
        form->edPWD->setText(QStringLiteral("1234"));
        form->edPhoneNr->setText(QStringLiteral("06301234567"));
        return link.isOpen();
    }

    QByteArrayList lines() const { return sim.receivedLines(); }
    int count(QByteArrayView line) const { return int(lines().count(line.toByteArray())); }
    QString status() const { return form->StatusBar1->currentMessage(); }

    QTemporaryDir config;
    QTemporaryDir dir;
    ModuleSimulator sim;
    DeviceLink link;
    std::unique_ptr<TForm1> form;
};

ModemSettings answering(int connectMs = kConnectDelayMs)
{
    ModemSettings m;
    m.connectDelayMs = connectMs;
    m.escapeGuardMs = kEscapeGuardMs;
    return m;
}

} // namespace

class TestModem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void dialAnAnsweringModem()
    {
        DialSetup s(answering());
        QVERIFY(s.connect());
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        QCOMPARE(s.lines(), (QByteArrayList{"AT", "AT", "ATD06301234567"}));
        QVERIFY(s.link.flags().remoteConnected);
        QCOMPARE(s.status(), text::remoteConnected);
        QVERIFY(s.form->btDial->isEnabled());
        // The module answers the periodic code check over the call.
        QVERIFY(s.link.codeTimer().isActive());
        QTRY_VERIFY(s.sim.receivedLines().contains("RPWDEDCB00"));
        QTRY_COMPARE(s.status(), QString());
        // Both "AT" lines and the modem's answers are in the monitor text.
        const QStringList monitor = s.link.monitor().lines();
        QCOMPARE(monitor.count(QStringLiteral("------> AT")), 2);
        QVERIFY(monitor.contains(QStringLiteral("CONNECT 9600")));
    }

    void silentModem()
    {
        ModemSettings m = answering();
        m.silent = true;
        DialSetup s(m);
        QVERIFY(s.connect());
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        QCOMPARE(s.lines(), QByteArrayList(8, "AT"));
        QCOMPARE(s.status(), text::noConnection);
        QVERIFY(!s.link.flags().remoteConnected);
        QVERIFY(s.form->btDial->isEnabled());
    }

    void controlCharactersNeverReachTheLine()
    {
        DialSetup s(answering());
        QVERIFY(s.connect());
        s.form->edPhoneNr->setText(QString::fromLatin1("06\t30\x01" "1\r"));
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        QVERIFY(s.lines().contains("ATD06301"));
    }

    void hangUpAnAnsweringModem()
    {
        DialSetup s(answering());
        QVERIFY(s.connect());
        QTest::mouseClick(s.form->btATH, Qt::LeftButton);
        QCOMPARE(s.lines(), (QByteArrayList{"ATH", "ATH"}));
        QCOMPARE(s.status(), text::hungUp);
        QVERIFY(s.form->btATH->isEnabled());
    }

    void hangUpAConnectedCallGoesThroughTheEscape()
    {
        DialSetup s(answering());
        QVERIFY(s.connect());
        QCOMPARE(s.link.connectionPlace(), s.sim.linkPath());
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        QVERIFY(s.link.flags().remoteConnected);
        // What the archive names as the module's place: the number during
        // the call, the port after it.
        QCOMPARE(s.link.connectionPlace(), QStringLiteral("06301234567"));
        s.sim.clearReceivedLines();
        QTest::mouseClick(s.form->btATH, Qt::LeftButton);
        // In a call "ATH" is data for the module; only the escape brings the
        // modem back to its commands.
        QCOMPARE(s.lines(), (QByteArrayList{"ATH", "ATH", "ATH", "+++", "ATH", "ATH"}));
        QCOMPARE(s.status(), text::hungUp);
        QCOMPARE(s.link.connectionPlace(), s.sim.linkPath());
    }

    void modemIgnoringHangUp()
    {
        ModemSettings m = answering();
        m.ignoresHangUp = true;
        DialSetup s(m);
        QVERIFY(s.connect());
        QTest::mouseClick(s.form->btATH, Qt::LeftButton);
        QCOMPARE(s.count("ATH"), 3 + 7 + 1);
        QCOMPARE(s.count("+++"), 1);
        QCOMPARE(s.lines().indexOf("+++"), 3);
        QCOMPARE(s.status(), text::hungUp);
    }

    void hangUpDuringADial()
    {
        DialSetup s(answering(kNeverConnectsMs));
        QVERIFY(s.connect());
        QObject::connect(&s.sim, &ModuleSimulator::lineReceived, s.form.get(), [&s](const QByteArray& line) {
            if (line.startsWith("ATD"))
                QTimer::singleShot(0, s.form->btATH, &QPushButton::click);
        });
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        // The modem drops the call being dialled and answers both.
        QCOMPARE(s.count("ATH"), 2);
        QCOMPARE(s.status(), text::noConnection);
        // The dial's 200-tick wait ended with the hang-up, not by running out.
        QVERIFY(s.form->modem().modemCountdown().value() > 0);
        QVERIFY(s.form->btDial->isEnabled());
        QVERIFY(s.form->btATH->isEnabled());
    }

    // The dial and another window's exchange with the module keep off each
    // other: nothing of one is sent into the other's wait.
    void dialAndTransactionsExcludeEachOther()
    {
        DialSetup s(answering());
        QVERIFY(s.connect());
        ScriptedPrompter prompts;
        {
            const std::optional<Transaction> other = s.link.beginTransaction();
            QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        }
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Egy másik művelet folyamatban van.")});
        QCOMPARE(s.lines(), QByteArrayList());
        QVERIFY(s.form->btDial->isEnabled());

        bool refusedWhileDialling = false;
        QObject::connect(&s.sim, &ModuleSimulator::lineReceived, s.form.get(), [&](const QByteArray& line) {
            if (line.startsWith("ATD"))
                refusedWhileDialling = !s.link.beginTransaction();
        });
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        QVERIFY(refusedWhileDialling);
        QVERIFY(s.link.flags().remoteConnected);
        QVERIFY(s.link.beginTransaction().has_value());
    }

    void closingTheWindowEndsADial()
    {
        DialSetup s(answering(kNeverConnectsMs));
        QVERIFY(s.connect());
        QObject::connect(&s.sim, &ModuleSimulator::lineReceived, s.form.get(), [&s](const QByteArray& line) {
            if (line.startsWith("ATD"))
                QTimer::singleShot(0, s.form.get(), &QWidget::close);
        });
        QTest::mouseClick(s.form->btDial, Qt::LeftButton);
        QVERIFY(s.form->modem().aborted());
        QVERIFY(s.form->modem().modemCountdown().value() > 150);
        QCOMPARE(s.status(), text::noConnection);
    }
};

QTEST_MAIN(TestModem)
#include "tst_modem.moc"
