#include "OutputQueue.h"

#include <QDebug>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {
constexpr int kPacerIntervalMs = 10;
// After a pause the line does not catch up in one burst: a late tick may send
// at most this many intervals' worth of bytes.
constexpr int kMostIntervalsPerTick = 3;
} // namespace

OutputQueue::OutputQueue(int fd, QObject* parent)
    : QObject(parent)
    , m_fd(fd)
    , m_writable(fd, QSocketNotifier::Write)
{
    m_writable.setEnabled(false);
    connect(&m_writable, &QSocketNotifier::activated, this, &OutputQueue::pump);
    m_pacer.setInterval(kPacerIntervalMs);
    m_pacer.setTimerType(Qt::PreciseTimer);
    connect(&m_pacer, &QTimer::timeout, this, &OutputQueue::pump);
}

void OutputQueue::setBaudRate(int baud)
{
    m_bytesPerSecond = std::max(baud, 0) / kBitsPerByte;
    m_pacer.stop();
    m_allowance = 0;
    pump();
}

void OutputQueue::send(const QByteArray& bytes)
{
    const bool wasIdle = m_queue.isEmpty();
    m_queue.append(bytes);
    if (wasIdle)
        pump();
}

void OutputQueue::pump()
{
    m_writable.setEnabled(false);
    if (m_bytesPerSecond == 0) {
        if (writeUpTo(m_queue.size()) == Write::Blocked)
            m_writable.setEnabled(true);
        return;
    }
    if (!m_pacer.isActive()) {
        // The line was idle or blocked: sending resumes at the next tick.
        m_allowance = 0;
        m_clock.start();
        if (!m_queue.isEmpty())
            m_pacer.start();
        return;
    }
    const double ceiling = double(m_bytesPerSecond) * kPacerIntervalMs * kMostIntervalsPerTick / 1000;
    m_allowance = std::min(m_allowance + double(m_clock.restart()) * m_bytesPerSecond / 1000, ceiling);
    const qsizetype before = m_queue.size();
    const Write result = writeUpTo(std::min(qsizetype(m_allowance), m_queue.size()));
    m_allowance -= double(before - m_queue.size());
    if (m_queue.isEmpty() || result == Write::Blocked)
        m_pacer.stop();
    if (result == Write::Blocked)
        m_writable.setEnabled(true);
}

OutputQueue::Write OutputQueue::writeUpTo(qsizetype count)
{
    qsizetype written = 0;
    Write result = Write::Done;
    while (written < count) {
        const ssize_t n = ::write(m_fd, m_queue.constData() + written, size_t(count - written));
        if (n > 0) {
            written += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            result = Write::Blocked;
            break;
        } else {
            // Nothing will ever take these bytes; keeping them would stall all later output.
            qWarning("sentrova-sim: write failed: %s", std::strerror(errno));
            m_queue.clear();
            return Write::Done;
        }
    }
    m_queue.remove(0, written);
    return result;
}
