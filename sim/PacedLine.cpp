#include "PacedLine.h"

#include <algorithm>

namespace {
constexpr qint64 kNsPerMs = 1000000;
}

PacedLine::PacedLine(Sink sink, QObject* parent)
    : QObject(parent)
    , m_sink(std::move(sink))
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedLine::pump);
}

void PacedLine::setBaudRate(int baud)
{
    m_baud = std::max(baud, 0);
    // What waits now crosses at the new speed, starting now.
    m_timing = LineTiming(m_baud);
    m_timing.queue(m_queue.size(), m_clock.nsecsElapsed());
    pump();
}

void PacedLine::send(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    m_queue.append(bytes);
    m_timing.queue(bytes.size(), m_clock.nsecsElapsed());
    if (!m_timer.isActive())
        pump();
}

void PacedLine::pump()
{
    m_timer.stop();
    const qint64 now = m_clock.nsecsElapsed();
    const qsizetype due = m_timing.crossed(now);
    if (due > 0) {
        const qsizetype taken = std::clamp<qsizetype>(m_sink(QByteArrayView(m_queue).first(due)), 0, due);
        m_queue.remove(0, taken);
        m_timing.take(taken);
        m_carried += taken;
        // The sink is full: it calls resume() when it has room.
        if (taken < due)
            return;
    }
    const qint64 untilNext = m_timing.untilNext(m_clock.nsecsElapsed());
    if (untilNext >= 0)
        m_timer.start(int((untilNext + kNsPerMs - 1) / kNsPerMs));
}
