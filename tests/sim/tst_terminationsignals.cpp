#include "TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

namespace {
volatile std::sig_atomic_t g_earlierHandlerRan = 0;
void earlierHandler(int) { g_earlierHandlerRan = 1; }
} // namespace

class TerminationSignalsTest : public QObject
{
    Q_OBJECT
private slots:
    void reportsSignal_data();
    void reportsSignal();
    void restoresEarlierHandler();
};

void TerminationSignalsTest::reportsSignal_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TerminationSignalsTest::reportsSignal()
{
    QFETCH(int, signalNumber);
    TerminationSignals terminations;
    QVERIFY(terminations.isWatching());
    QSignalSpy spy(&terminations, &TerminationSignals::received);
    QCOMPARE(::raise(signalNumber), 0);
    QVERIFY(spy.wait(10000) || spy.size() == 1);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), signalNumber);
}

void TerminationSignalsTest::restoresEarlierHandler()
{
    struct sigaction earlier{};
    earlier.sa_handler = &earlierHandler;
    sigemptyset(&earlier.sa_mask);
    struct sigaction original{};
    QCOMPARE(::sigaction(SIGTERM, &earlier, &original), 0);
    {
        TerminationSignals terminations;
    }
    g_earlierHandlerRan = 0;
    QCOMPARE(::raise(SIGTERM), 0);
    QCOMPARE(int(g_earlierHandlerRan), 1);
    ::sigaction(SIGTERM, &original, nullptr);
}

QTEST_GUILESS_MAIN(TerminationSignalsTest)
#include "tst_terminationsignals.moc"
