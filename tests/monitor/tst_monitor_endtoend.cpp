// The monitoring windows against the simulated module's own answers: status
// and last-events lines, messages, alarm stop, partition arming and the event
// memory. The module's state changes only when a test changes it.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "EventMemory.h"
#include "link/Commands.h"
#include "link/LinkTexts.h"
#include "monitor/AlarmStop.h"
#include "monitor/EventGrid.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"
#include "monitor/ToneLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlack(0, 0, 0);

SimulatorSettings standingStill()
{
    SimulatorSettings settings;
    settings.live = false;
    return settings;
}

struct EndToEnd
{
    ScriptedPrompter prompter;
    LinkedModule m{standingStill()};
    TFormEventlistShort eventList{m.link};
    TFormStatus status{m.link, eventList};

    LiveModule& module() { return m.sim.module().live(); }

    // Opens the status window and calls `onTick` with the tick number after
    // each of its polls; the window closes when `onTick` says so.
    void openWhile(const std::function<bool(int)>& onTick)
    {
        int tick = 0;
        const auto connection = QObject::connect(status.StatusTimer, &QTimer::timeout, &status, [&] {
            if (!onTick(++tick))
                status.btCloseClick();
        });
        status.openModal();
        QObject::disconnect(connection);
    }

    QString cell(int row, int column) const { return status.acgEvSh->cellText(row, column); }
};

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void statusWindowShowsTheModule()
    {
        EndToEnd e;
        QVERIFY(e.m.connect());
        e.module().arm(1);
        e.module().tripInput(3); // "Nappali", in partition 1
        e.module().setTemperature(-5);
        e.module().setGsmSignal(23);
        e.module().queueMessage(QStringLiteral("Próba üzenet"));
        e.openWhile([](int tick) { return tick < 4; });

        const QList<std::tuple<QLabel*, QString, QColor>> expected = {
            {e.status.lbPart1, "Élesítve", kRed},
            {e.status.lbPart2, "Kikapcsolva", kGreen},
            {e.status.inputs[2].state, "Riasztás", kRed},
            {e.status.inputs[0].state, "Alaphelyzet", kGreen},
            {e.status.lbOUT1, "12 V", kGreen},
            {e.status.lbREL[0], "BE", kGreen},
            {e.status.lbREL[2], "KI", kBlack},
            {e.status.lbAC, "OK", kGreen},
        };
        for (const auto& [label, text, colour] : expected) {
            QTRY_COMPARE(label->text(), text);
            QCOMPARE(monitor::labelColor(*label), colour);
        }
        QCOMPARE(e.status.lbTempVal->text(), QStringLiteral("-5 C°"));
        QCOMPARE(e.status.lbGSMpowVal->text(), QStringLiteral("23"));
        QTRY_COMPARE(e.cell(0, 2), QStringLiteral("IN3 Riasztás     "));
        QCOMPARE(e.cell(0, 3), QStringLiteral("Z=3"));
        QCOMPARE(e.cell(1, 2), QStringLiteral("Élesítés Part.1  "));
        QCOMPARE(e.cell(1, 3), QStringLiteral("F=13"));
        QVERIFY(e.status.Memo1->lines().contains(QStringLiteral("Próba üzenet")));
    }

    void alarmStopEndsTheAlarm_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QString>("out1"); // after the verdict
        QTest::newRow("right code") << "1234" << text::alarmsStopped << true << "0 V";
        // The polls with the wrong code are refused too: no report arrives.
        QTest::newRow("wrong code") << "4321" << text::wrongInstallerCode << false << ".";
    }

    void alarmStopEndsTheAlarm()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        QFETCH(bool, stopped);
        QFETCH(QString, out1);
        EndToEnd e;
        QVERIFY(e.m.connect());
        e.m.typedCode = code;
        e.module().arm(1);
        e.module().tripInput(3);
        e.prompter.answers = {true};
        int verdictTick = 0;
        e.openWhile([&](int tick) {
            if (tick == 2)
                QTimer::singleShot(0, e.status.btSotpAllAlarm, &QPushButton::click);
            if (verdictTick == 0 && !e.prompter.messages.isEmpty())
                verdictTick = tick;
            return verdictTick == 0 || tick < verdictTick + 3;
        });
        QCOMPARE(e.prompter.messages, QStringList{message});
        QCOMPARE(e.module().alarmRunning(), !stopped);
        QTRY_COMPARE(e.status.lbOUT1->text(), out1);

        // Three RSTP in a row on the wire, no poll between them.
        const QByteArrayList lines = e.m.sim.receivedLines();
        const auto first = lines.indexOf("RSTP" + encodeInstallerCode(code));
        QVERIFY(first > 0);
        QCOMPARE(lines.mid(first, 3), QByteArrayList(3, "RSTP" + encodeInstallerCode(code)));
        QCOMPARE(e.m.received("RSTP").size(), 3);
    }

    void partitionButtonArmsThePartition()
    {
        EndToEnd e;
        QVERIFY(e.m.connect());
        e.openWhile([&](int tick) {
            if (tick == 1)
                QTest::mouseClick(e.status.btP1ON, Qt::LeftButton);
            return e.status.lbPart1->text() != QStringLiteral("Élesítve") && tick < 40;
        });
        QCOMPARE(e.status.lbPart1->text(), QStringLiteral("Élesítve"));
        QVERIFY(e.module().armed(1));
        QVERIFY(!e.module().armed(2));

        e.openWhile([&](int tick) {
            if (tick == 1)
                QTest::mouseClick(e.status.btP1OFF, Qt::LeftButton);
            return e.status.lbPart1->text() != QStringLiteral("Kikapcsolva") && tick < 40;
        });
        QCOMPARE(e.status.lbPart1->text(), QStringLiteral("Kikapcsolva"));
        QVERIFY(!e.module().armed(1));
    }

    void eventListFromTheModule()
    {
        EndToEnd e;
        QVERIFY(e.m.connect());
        const QDateTime morning(QDate(2024, 3, 15), QTime(8, 5));
        e.module().events().log(eventRecord(32, 0, morning, 0x10));              // mains fault, S1
        e.module().events().log(eventRecord(28, 2, morning.addSecs(60), 0, 0x01)); // user 2 arms P2
        TFormEventlistShort& list = e.eventList;
        QTest::mouseClick(list.btLoadEvents, Qt::LeftButton);
        QCOMPARE(list.StatusBarEventListShort->currentMessage(), QStringLiteral("Eseménylista letöltve."));
        const auto row = [&](int r) {
            QStringList cells;
            for (int c = 0; c < 14; ++c)
                cells << list.acgEvSh->cellText(r, c);
            return cells;
        };
        QCOMPARE(row(0), (QStringList{"1", "03/15 - 08:06", "Élesítés Part.2  ", "2. ", "-", "-", "-", "-", "-", "-",
                                      "-", "-", "X", "Aktív"}));
        QCOMPARE(row(1), (QStringList{"2", "03/15 - 08:05", "AC hiba          ", "", "-", "-", "-", "-", "X", "-",
                                      "-", "-", "-", "Aktív"}));

        // With the names the user's column names the user.
        QTest::mouseClick(list.btLoadNames, Qt::LeftButton);
        QCOMPARE(list.acgEvSh->cellText(0, 3), QStringLiteral("2.  Szabó Éva "));

        // A module that numbers its blocks wrongly changes nothing.
        QList<QStringList> before;
        for (int r = 0; r < 90; ++r)
            before << row(r);
        e.module().events().log(eventRecord(33, 0, morning.addSecs(120)));
        e.m.sim.module().faults().wrongBlock = true;
        e.m.sim.clearReceivedLines();
        QTest::mouseClick(list.btLoadEvents, Qt::LeftButton);
        QCOMPARE(list.StatusBarEventListShort->currentMessage(), QStringLiteral("Leolvasás sikertelen."));
        QCOMPARE(e.m.received("RDFL"), QByteArrayList{"RDFLF000"});
        for (int r = 0; r < 90; ++r)
            QCOMPARE(row(r), before[r]);
        QVERIFY(e.prompter.messages.isEmpty());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_monitor_endtoend.moc"
