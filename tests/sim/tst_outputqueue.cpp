#include "LineTiming.h"
#include "OutputQueue.h"
#include "UniqueFd.h"

#include <QElapsedTimer>
#include <QTest>

#include <array>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A pipe whose write end stands for the pseudo-terminal's master.
struct Pipe
{
    Pipe()
    {
        std::array<int, 2> ends{};
        if (::pipe2(ends.data(), O_NONBLOCK | O_CLOEXEC) == 0) {
            readEnd.reset(ends[0]);
            writeEnd.reset(ends[1]);
        }
    }

    QByteArray readAvailable()
    {
        QByteArray out;
        std::array<char, 65536> buffer{};
        ssize_t n = 0;
        while ((n = ::read(readEnd.get(), buffer.data(), buffer.size())) > 0)
            out.append(buffer.data(), n);
        return out;
    }

    // Reads while the event loop runs until `count` bytes have come.
    QByteArray readAll(qsizetype count)
    {
        QByteArray out;
        const bool arrived = QTest::qWaitFor(
            [&] {
                out += readAvailable();
                return out.size() >= count;
            },
            20000);
        if (!arrived)
            qWarning("only %lld of %lld bytes arrived", qlonglong(out.size()), qlonglong(count));
        return out;
    }

    UniqueFd readEnd;
    UniqueFd writeEnd;
};

QByteArray sample(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('A' + i % 23 + (i / 997) % 3);
    return bytes;
}

} // namespace

class OutputQueueTest : public QObject
{
    Q_OBJECT
private slots:
    void unpacedWritesAtOnce();
    void fullDescriptorCatchesUp();
    void pacedOutputSpreadsOut();
    void lineTiming_data();
    void lineTiming();
};

void OutputQueueTest::unpacedWritesAtOnce()
{
    Pipe pipe;
    OutputQueue queue(pipe.writeEnd.get());
    queue.send("PWDOK\r");
    queue.send("WROK\r");
    QCOMPARE(queue.pending(), 0);
    QCOMPARE(pipe.readAvailable(), QByteArray("PWDOK\rWROK\r"));
}

void OutputQueueTest::fullDescriptorCatchesUp()
{
    Pipe pipe;
    OutputQueue queue(pipe.writeEnd.get());
    // Far more than a pipe holds: the rest waits for room, in order.
    const QByteArray first = sample(300000);
    queue.send(first);
    QVERIFY(queue.pending() > 0);
    queue.send("END\r");
    const QByteArray received = pipe.readAll(first.size() + 4);
    QCOMPARE(received.size(), first.size() + 4);
    QVERIFY(received == first + "END\r");
    QCOMPARE(queue.pending(), 0);
}

void OutputQueueTest::pacedOutputSpreadsOut()
{
    Pipe pipe;
    OutputQueue queue(pipe.writeEnd.get());
    queue.setBaudRate(19200);
    QCOMPARE(queue.baudRate(), 19200);

    QElapsedTimer clock;
    clock.start();
    const QByteArray reply = sample(600);
    queue.send(reply);
    QVERIFY(queue.pending() > 0);
    QCOMPARE(pipe.readAll(reply.size()), reply);
    // 600 characters take about 310 ms at 1920 a second; a slow machine only
    // makes this longer.
    QVERIFY2(clock.elapsed() >= 200, qPrintable(QString::number(clock.elapsed())));
}

// At 19200 baud a byte (ten bits) takes 520833 ns; it has crossed when its
// last bit has, and a byte handed to an idle line starts at once.
void OutputQueueTest::lineTiming_data()
{
    QTest::addColumn<int>("baud");
    QTest::addColumn<QList<qint64>>("handedAt"); // one byte each, times in ns
    QTest::addColumn<qint64>("at");
    QTest::addColumn<int>("crossed");
    const QList<qint64> three{0, 0, 0};
    QTest::newRow("first bit times") << 19200 << three << qint64(520832) << 0;
    QTest::newRow("first byte") << 19200 << three << qint64(520833) << 1;
    QTest::newRow("two bytes") << 19200 << three << qint64(1562498) << 2;
    QTest::newRow("all three") << 19200 << three << qint64(1562499) << 3;
    QTest::newRow("busy line: after the others") << 19200 << QList<qint64>{0, 0, 100} << qint64(1562498) << 2;
    QTest::newRow("idle line: starts when handed")
        << 19200 << QList<qint64>{0, 10000000} << qint64(10520832) << 1;
    QTest::newRow("idle line: crossed") << 19200 << QList<qint64>{0, 10000000} << qint64(10520833) << 2;
    QTest::newRow("9600 baud") << 9600 << three << qint64(2083331) << 1;
    QTest::newRow("unpaced") << 0 << three << qint64(0) << 3;
}

void OutputQueueTest::lineTiming()
{
    QFETCH(int, baud);
    QFETCH(QList<qint64>, handedAt);
    QFETCH(qint64, at);
    QFETCH(int, crossed);
    LineTiming line(baud);
    for (qint64 t : handedAt)
        line.queue(1, t);
    QCOMPARE(line.crossed(at), qsizetype(crossed));
    line.take(line.crossed(at));
    QCOMPARE(line.queued(), qsizetype(handedAt.size() - crossed));
}

QTEST_GUILESS_MAIN(OutputQueueTest)
#include "tst_outputqueue.moc"
