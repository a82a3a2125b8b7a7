// The status window polls the simulated module while it is open: RPWE and
// RPWS in turn, nothing with the port closed, nothing once it is closed.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray kRPWS = "RPWSEDCB00"; // with the code 1234
const QByteArray kRPWE = "RPWEEDCB00";

struct PollingFixture
{
    LinkedModule m;
    TFormEventlistShort eventList{m.link};
    TFormStatus form{m.link, eventList};

    QByteArrayList polls() const { return m.received("RPWS") + m.received("RPWE"); }
    // The poll lines in the order they arrived.
    QByteArrayList pollOrder() const
    {
        QByteArrayList lines;
        for (const QByteArray& line : m.sim.receivedLines())
            if (line.startsWith("RPW"))
                lines << line;
        return lines;
    }

    // Opens the window modally and closes it once `enough` holds after a
    // status-timer tick.
    void openUntil(const std::function<bool()>& enough)
    {
        const auto connection = QObject::connect(form.StatusTimer, &QTimer::timeout, &form, [&] {
            if (enough())
                form.btCloseClick();
        });
        form.openModal();
        QObject::disconnect(connection);
    }
};

void verifyAlternating(const QByteArrayList& lines, const QByteArray& first)
{
    QVERIFY(!lines.isEmpty());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i], (i % 2 == 0) == (first == kRPWE) ? kRPWE : kRPWS);
}

} // namespace

class TestStatusPolling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void pollsAlternatelyWhileOpen()
    {
        PollingFixture f;
        QVERIFY(f.m.connect());
        int ticks = 0;
        f.openUntil([&] { return ++ticks == 6; });
        QVERIFY(!f.form.StatusTimer->isActive());
        QCOMPARE(f.form.poll().pollHold(), 0);
        QTRY_COMPARE(f.polls().size(), 6);
        verifyAlternating(f.pollOrder(), kRPWE);

        // Closed: no further polls.
        QTest::qWait(ticks::toMs(3 * ticks::kPollPeriod));
        QCOMPARE(f.polls().size(), 6);

        // The phase is never reset: the next opening goes on where this one stopped.
        f.m.sim.clearReceivedLines();
        ticks = 0;
        f.openUntil([&] { return ++ticks == 3; });
        QTRY_COMPARE(f.polls().size(), 3);
        verifyAlternating(f.pollOrder(), kRPWE);
    }

    void continuesThePhaseAfterAnOddSession()
    {
        PollingFixture f;
        QVERIFY(f.m.connect());
        int ticks = 0;
        f.openUntil([&] { return ++ticks == 3; });
        QTRY_COMPARE(f.polls().size(), 3);
        f.m.sim.clearReceivedLines();
        ticks = 0;
        f.openUntil([&] { return ++ticks == 2; });
        QTRY_COMPARE(f.polls().size(), 2);
        verifyAlternating(f.pollOrder(), kRPWS);
    }

    void nothingWithThePortClosed()
    {
        PollingFixture f;
        QVERIFY(f.m.connect());
        f.m.link.serial().close();
        int ticks = 0;
        f.openUntil([&] { return ++ticks == 5; });
        QCOMPARE(ticks, 5);
        QTest::qWait(ticks::toMs(ticks::kPollPeriod));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }

    // Its answers would mix into another window's transaction.
    void noPollWhileAnotherTransactionWaits()
    {
        PollingFixture f;
        QVERIFY(f.m.connect());
        auto transaction = f.m.link.beginTransaction();
        int ticks = 0;
        f.openUntil([&] { return ++ticks == 4; });
        QTest::qWait(ticks::toMs(ticks::kPollPeriod));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
        transaction.reset();
        ticks = 0;
        f.openUntil([&] { return ++ticks == 2; });
        QTRY_COMPARE(f.polls().size(), 2);
    }

    void stopPollingEndsTheTimer()
    {
        PollingFixture f;
        f.form.StatusTimer->start();
        f.form.stopPolling();
        QVERIFY(!f.form.StatusTimer->isActive());
    }

    void namesButtonWithThePortClosed()
    {
        ScriptedPrompter prompter;
        PollingFixture f;
        QTest::mouseClick(f.form.btLoadZoneNames, Qt::LeftButton);
        QCOMPARE(prompter.messages, QStringList{text::noSerialLink});
        QVERIFY(f.form.btLoadZoneNames->isEnabled());
    }

    void partitionButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("Kikapcs.P1") << "btP1OFF" << QByteArray("PT1DEDCB00");
        QTest::newRow("Kikapcs.P2") << "btP2OFF" << QByteArray("PT2DEDCB00");
        QTest::newRow("Élesítés P1") << "btP1ON" << QByteArray("PT1AEDCB00");
        QTest::newRow("Élesítés P2") << "btP2ON" << QByteArray("PT2AEDCB00");
    }

    void partitionButtons()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, line);
        ScriptedPrompter prompter;
        PollingFixture f;
        QVERIFY(f.m.connect());
        auto* pressed = f.form.findChild<QPushButton*>(button);
        QVERIFY(pressed);
        // Sent at once, without a question, while polling goes on.
        bool sentOnItsTick = false;
        int ticks = 0;
        f.openUntil([&] {
            if (++ticks == 2) {
                QTest::mouseClick(pressed, Qt::LeftButton);
                sentOnItsTick = true;
            }
            return ticks == 4;
        });
        QVERIFY(sentOnItsTick);
        QTRY_COMPARE(f.polls().size(), 4);
        QCOMPARE(f.m.received(line.left(4)), QByteArrayList{line});
        // The partition line went out between the second and third poll.
        const QByteArrayList lines = f.m.sim.receivedLines();
        QCOMPARE(lines.indexOf(line), 2);
        QVERIFY(prompter.questions.isEmpty());
        QVERIFY(prompter.messages.isEmpty());

        // With the port closed the press does nothing.
        f.m.sim.clearReceivedLines();
        f.m.link.serial().close();
        QTest::mouseClick(pressed, Qt::LeftButton);
        QTest::qWait(ticks::toMs(ticks::kPollPeriod));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }
};

QTEST_MAIN(TestStatusPolling)
#include "tst_monitor_statuspolling.moc"
