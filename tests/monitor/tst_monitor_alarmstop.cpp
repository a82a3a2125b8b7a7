// The status window's alarm stop against the simulated module's line: three
// RSTP with polling held, the verdict, and the refusals before anything is
// sent.
#include "LinkedModule.h"
#include "ScriptedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "monitor/AlarmStop.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray kRSTP = "RSTPEDCB00"; // with the code 1234

// The window open on a module whose replies the test scripts.
struct AlarmFixture
{
    LinkedModule m;
    ScriptedModule script{m.sim};
    ScriptedPrompter prompter;
    TFormEventlistShort eventList{m.link};
    TFormStatus form{m.link, eventList};

    // What each status-timer tick saw after the window's own handling.
    struct Tick
    {
        int pollHold;
        qsizetype stopsReceived;
        bool buttonEnabled;
        QString status;
    };
    QList<Tick> ticks;

    AlarmFixture()
    {
        QObject::connect(form.StatusTimer, &QTimer::timeout, &form, [this] {
            ticks << Tick{form.poll().pollHold(), m.received("RSTP").size(), form.btSotpAllAlarm->isEnabled(),
                          form.StatusBar1->currentMessage()};
        });
    }

    // Presses the alarm stop in the open window, then closes it.
    void pressWhileOpen()
    {
        QTimer::singleShot(0, &form, [this] {
            QTest::mouseClick(form.btSotpAllAlarm, Qt::LeftButton);
            form.btCloseClick();
        });
        form.openModal();
    }

    // The module answers the `n`th RSTP (1 to 3) with `replies`.
    void answerStop(int n, const QByteArray& replies)
    {
        QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &form, [this, n, replies](const QByteArray& line) {
            if (line == kRSTP && m.received("RSTP").size() == n && !replies.isEmpty())
                m.sim.sendLine(replies);
        });
    }
};

} // namespace

class TestAlarmStop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void verdicts_data()
    {
        QTest::addColumn<int>("answered"); // which RSTP the module answers
        QTest::addColumn<QByteArray>("replies");
        QTest::addColumn<QString>("message");
        QTest::newRow("PWDOK") << 3 << QByteArray("PWDOK") << text::alarmsStopped;
        QTest::newRow("PWDERR") << 3 << QByteArray("PWDERR") << text::wrongInstallerCode;
        QTest::newRow("both at once: success wins") << 3 << QByteArray("PWDERR\rPWDOK") << text::alarmsStopped;
        QTest::newRow("silence") << 3 << QByteArray() << text::alarmStopNoAnswer;
        QTest::newRow("only the first answered") << 1 << QByteArray("PWDOK") << text::alarmStopNoAnswer;
    }

    void verdicts()
    {
        QFETCH(int, answered);
        QFETCH(QByteArray, replies);
        QFETCH(QString, message);
        AlarmFixture f;
        f.prompter.answers = {true};
        f.answerStop(answered, replies);
        QVERIFY(f.m.connect());
        f.pressWhileOpen();

        QCOMPARE(f.prompter.questions,
                 QStringList{QStringLiteral("Biztosan le kívánja állítani a riasztási eseményeket ?")});
        QCOMPARE(f.prompter.messages, QStringList{message});
        // Exactly three RSTP and no poll from the confirmation to the verdict.
        QTRY_COMPARE(f.m.received("RSTP").size(), 3);
        QCOMPARE(f.m.sim.receivedLines(), (QByteArrayList{kRSTP, kRSTP, kRSTP}));

        // Five ticks before the first, three more before the second, then
        // held at 1 until the verdict.
        QVERIFY(f.ticks.size() >= 8);
        QList<int> holds;
        for (const auto& tick : f.ticks)
            holds << tick.pollHold;
        QCOMPARE(holds.mid(0, 8), (QList<int>{5, 4, 3, 2, 1, 3, 2, 1}));
        QCOMPARE(holds.mid(8), QList<int>(holds.size() - 8, 1));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.ticks[i].stopsReceived, 0);
        for (int i = 5; i < 8; ++i)
            QVERIFY(f.ticks[i].stopsReceived <= 1);
        for (const auto& tick : f.ticks) {
            QVERIFY(!tick.buttonEnabled);
            QCOMPARE(tick.status, QStringLiteral("Riasztások leállítása..."));
        }

        QVERIFY(f.form.btSotpAllAlarm->isEnabled());
        QCOMPARE(f.form.StatusBar1->currentMessage(), QString());
        QCOMPARE(f.form.poll().pollHold(), 0);
        QVERIFY(!f.m.link.transactionRunning());
    }

    void refusedBeforeSending_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<bool>("otherTransaction");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("status");
        QTest::newRow("answered No") << false << true << false << QStringList() << QString();
        QTest::newRow("port closed") << true << false << false << QStringList{text::noSerialLink} << QString();
        QTest::newRow("another transaction") << true << true << true
                                             << QStringList{QStringLiteral("Egy másik művelet folyamatban van.")}
                                             << QString();
    }

    void refusedBeforeSending()
    {
        QFETCH(bool, yes);
        QFETCH(bool, portOpen);
        QFETCH(bool, otherTransaction);
        QFETCH(QStringList, messages);
        QFETCH(QString, status);
        AlarmFixture f;
        f.prompter.answers = {yes};
        QVERIFY(f.m.connect());
        if (!portOpen)
            f.m.link.serial().close();
        auto transaction = otherTransaction ? f.m.link.beginTransaction() : std::nullopt;
        f.form.StatusTimer->start();
        QTest::mouseClick(f.form.btSotpAllAlarm, Qt::LeftButton);
        f.form.StatusTimer->stop();

        // Refused before the question when the link is taken.
        QCOMPARE(f.prompter.questions.size(), otherTransaction ? 0 : 1);
        QCOMPARE(f.prompter.messages, messages);
        QCOMPARE(f.form.StatusBar1->currentMessage(), status);
        QVERIFY(f.form.btSotpAllAlarm->isEnabled());
        QCOMPARE(f.form.poll().pollHold(), 0);
        QTest::qWait(ticks::toMs(ticks::kPollPeriod));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }

    // The false success: the names download's code check, answered with
    // "PWDOK", must not pass for the module's verdict on RSTP. Its button is
    // off during the stop, and the stop's during the names download: each
    // holds polling for its quiet spells.
    void namesDownloadAndStopExcludeEachOther()
    {
        AlarmFixture f;
        f.prompter.answers = {true};
        f.script.answerCode(QStringLiteral("1234"), "PWDOK");
        QList<bool> enabled;
        QObject::connect(&f.m.sim, &ModuleSimulator::lineReceived, &f.form, [&f, &enabled](const QByteArray& line) {
            if (line == kRSTP && f.m.received("RSTP").size() == 3)
                QTimer::singleShot(0, &f.form, [&f, &enabled] {
                    enabled << f.form.btLoadZoneNames->isEnabled();
                    QTest::mouseClick(f.form.btLoadZoneNames, Qt::LeftButton);
                });
        });
        QVERIFY(f.m.connect());
        f.pressWhileOpen();

        QCOMPARE(enabled, QList<bool>{false});
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("A modul nem válaszol!")});
        QCOMPARE(f.m.sim.receivedLines(), (QByteArrayList{kRSTP, kRSTP, kRSTP}));
        QVERIFY(f.form.btLoadZoneNames->isEnabled() && f.form.btSotpAllAlarm->isEnabled());

        // The stop's button during the names download's quiet spell.
        QTimer::singleShot(kTestTickMs, &f.form, [&f, &enabled] {
            enabled << f.form.btSotpAllAlarm->isEnabled();
            f.form.btCloseClick();
        });
        QTimer::singleShot(0, &f.form, [&f] { QTest::mouseClick(f.form.btLoadZoneNames, Qt::LeftButton); });
        f.form.openModal();
        QCOMPARE(enabled, (QList<bool>{false, false}));
        QVERIFY(f.form.btLoadZoneNames->isEnabled() && f.form.btSotpAllAlarm->isEnabled());
    }

    void commandButtonsSendNothingWhileATransactionWaits_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("names") << QStringLiteral("Zóna nevek leolvasása");
        QTest::newRow("arm P1") << QStringLiteral("Élesítés P1");
        QTest::newRow("disarm P2") << QStringLiteral("Kikapcs.P2");
    }

    void commandButtonsSendNothingWhileATransactionWaits()
    {
        QFETCH(QString, caption);
        AlarmFixture f;
        QVERIFY(f.m.connect());
        QPushButton* button = nullptr;
        for (QPushButton* b : f.form.findChildren<QPushButton*>())
            if (b->text() == caption)
                button = b;
        QVERIFY(button);
        const auto transaction = f.m.link.beginTransaction();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("Egy másik művelet folyamatban van.")});
        QTest::qWait(ticks::toMs(ticks::kPollPeriod));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }
};

QTEST_MAIN(TestAlarmStop)
#include "tst_monitor_alarmstop.moc"
