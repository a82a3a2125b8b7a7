#pragma once

#include "LineTiming.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// One direction of the simulated serial line: the bytes handed to it come out
// at the far end in order, at once or each when it has crossed at the line's
// speed. Counts the bytes that came out.
class PacedLine : public QObject
{
    Q_OBJECT
public:
    // Takes bytes that have crossed and returns how many it could take;
    // fewer when its way on is full (then call resume() when there is room).
    using Sink = std::function<qsizetype(QByteArrayView)>;

    explicit PacedLine(Sink sink, QObject* parent = nullptr);

    // 0 passes bytes on at once.
    void setBaudRate(int baud);
    int baudRate() const { return m_baud; }

    void send(QByteArrayView bytes);
    // Offers the sink again what it could not take before.
    void resume() { pump(); }

    qsizetype pending() const { return m_queue.size(); }
    // Bytes that came out at the far end so far.
    qint64 carried() const { return m_carried; }

private:
    void pump();

    Sink m_sink;
    int m_baud = 0;
    LineTiming m_timing;
    QByteArray m_queue;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_carried = 0;
};
