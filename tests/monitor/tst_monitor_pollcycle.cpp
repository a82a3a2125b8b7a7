// The status window's polling rule: which command each tick sends and how a
// hold is counted down.
#include "monitor/PollCycle.h"

#include <QTest>

using monitor::PollCycle;

namespace {
constexpr int kNothing = -1;
constexpr int kRPWS = 1;
constexpr int kRPWE = 2;
} // namespace

class TestPollCycle : public QObject
{
    Q_OBJECT
private slots:
    void ticks_data()
    {
        QTest::addColumn<int>("hold");
        QTest::addColumn<QList<bool>>("portOpen"); // one entry per tick
        QTest::addColumn<QList<int>>("sent");      // command per tick, -1 none
        QTest::addColumn<QList<int>>("holds");     // pollHold after each tick
        QTest::addColumn<QList<int>>("phases");    // pollPhase after each tick

        const QList<bool> open4(4, true);
        QTest::newRow("running: RPWE first, then alternating")
            << 0 << open4 << QList<int>{kRPWE, kRPWS, kRPWE, kRPWS} << QList<int>{0, 0, 0, 0}
            << QList<int>{1, 0, 1, 0};
        QTest::newRow("hold 6 runs down in five ticks and stays at 1")
            << 6 << QList<bool>(7, true) << QList<int>(7, kNothing) << QList<int>{5, 4, 3, 2, 1, 1, 1}
            << QList<int>{1, 0, 1, 0, 1, 0, 1};
        QTest::newRow("hold 4 runs down in three ticks")
            << 4 << open4 << QList<int>(4, kNothing) << QList<int>{3, 2, 1, 1} << QList<int>{1, 0, 1, 0};
        QTest::newRow("held at 1") << 1 << open4 << QList<int>(4, kNothing) << QList<int>(4, 1)
                                   << QList<int>{1, 0, 1, 0};
        QTest::newRow("closed port: no sends, no countdown, the phase turns")
            << 3 << QList<bool>(3, false) << QList<int>(3, kNothing) << QList<int>{3, 3, 3} << QList<int>{1, 0, 1};
        QTest::newRow("closed port while running") << 0 << QList<bool>{true, false, true} << QList<int>{kRPWE, kNothing, kRPWE}
                                                   << QList<int>{0, 0, 0} << QList<int>{1, 0, 1};
        QTest::newRow("countdown pauses while closed")
            << 3 << QList<bool>{true, false, false, true, true} << QList<int>(5, kNothing)
            << QList<int>{2, 2, 2, 1, 1} << QList<int>{1, 0, 1, 0, 1};
    }

    void ticks()
    {
        QFETCH(int, hold);
        QFETCH(QList<bool>, portOpen);
        QFETCH(QList<int>, sent);
        QFETCH(QList<int>, holds);
        QFETCH(QList<int>, phases);
        PollCycle poll;
        poll.hold(hold);
        QList<int> actualSent, actualHolds, actualPhases;
        for (bool open : portOpen) {
            const auto command = poll.tick(open);
            actualSent << (command ? int(*command) : kNothing);
            actualHolds << poll.pollHold();
            actualPhases << poll.pollPhase();
        }
        QCOMPARE(actualSent, sent);
        QCOMPARE(actualHolds, holds);
        QCOMPARE(actualPhases, phases);
    }

    void resumeRestartsPollingInTheCurrentPhase()
    {
        PollCycle poll;
        poll.hold(3);
        QVERIFY(!poll.holdRunDown());
        QVERIFY(!poll.tick(true));
        QVERIFY(!poll.tick(true));
        QVERIFY(poll.holdRunDown());
        poll.resume();
        QCOMPARE(poll.pollHold(), PollCycle::kRunning);
        // Two ticks passed (phase back at 0): the next one polls with RPWE.
        QCOMPARE(poll.tick(true), std::optional<std::uint8_t>(kRPWE));
    }
};

QTEST_MAIN(TestPollCycle)
#include "tst_monitor_pollcycle.moc"
