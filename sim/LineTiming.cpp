#include "LineTiming.h"

#include <algorithm>

namespace {
constexpr qint64 kNsPerSecond = 1000000000;
}

void LineTiming::setBaudRate(int baud)
{
    m_byteNs = baud > 0 ? kNsPerSecond * kBitsPerByte / baud : 0;
}

void LineTiming::queue(qsizetype count, qint64 nowNs)
{
    if (count <= 0)
        return;
    if (m_lineFreeNs > nowNs && !m_runs.isEmpty())
        m_runs.last().count += count;
    else
        m_runs.append({nowNs + m_byteNs, count});
    m_queued += count;
    m_lineFreeNs = std::max(m_lineFreeNs, nowNs) + qint64(count) * m_byteNs;
}

qsizetype LineTiming::crossed(qint64 nowNs) const
{
    qsizetype total = 0;
    for (const Run& run : m_runs) {
        if (nowNs < run.firstDoneNs)
            break;
        const qsizetype done =
            m_byteNs == 0 ? run.count : std::min<qsizetype>(run.count, qsizetype((nowNs - run.firstDoneNs) / m_byteNs) + 1);
        total += done;
        if (done < run.count)
            break;
    }
    return total;
}

void LineTiming::take(qsizetype count)
{
    count = std::min(count, m_queued);
    m_queued -= count;
    while (count > 0 && !m_runs.isEmpty()) {
        Run& run = m_runs.first();
        const qsizetype fromRun = std::min(count, run.count);
        run.count -= fromRun;
        run.firstDoneNs += qint64(fromRun) * m_byteNs;
        count -= fromRun;
        if (run.count == 0)
            m_runs.removeFirst();
    }
}

qint64 LineTiming::untilNext(qint64 nowNs) const
{
    if (m_runs.isEmpty())
        return -1;
    return std::max<qint64>(0, m_runs.first().firstDoneNs - nowNs);
}
