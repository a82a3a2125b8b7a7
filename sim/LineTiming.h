#pragma once

#include <QList>
#include <QtGlobal>

// When the bytes handed to one direction of a serial line have crossed it.
// Each byte takes ten bit times (start bit, eight data bits, stop bit); a byte
// starts when the one before it has crossed, or when it is handed over if the
// line was idle. Times are nanoseconds on any steady clock.
class LineTiming
{
public:
    static constexpr int kBitsPerByte = 10;

    explicit LineTiming(int baud = 0) { setBaudRate(baud); }

    // 0: bytes cross at once.
    void setBaudRate(int baud);
    bool paced() const { return m_byteNs > 0; }
    qint64 byteNs() const { return m_byteNs; }

    // `count` more bytes are handed to the line at `nowNs`.
    void queue(qsizetype count, qint64 nowNs);
    // How many of the queued bytes have crossed by `nowNs`.
    qsizetype crossed(qint64 nowNs) const;
    // The first `count` queued bytes are gone from the queue.
    void take(qsizetype count);
    // Nanoseconds from `nowNs` until the next queued byte has crossed: 0 when
    // it has, -1 when nothing is queued.
    qint64 untilNext(qint64 nowNs) const;
    qsizetype queued() const { return m_queued; }

private:
    // Bytes handed over together while the line was busy cross back to back.
    struct Run
    {
        qint64 firstDoneNs; // when the run's first byte has crossed
        qsizetype count;
    };

    qint64 m_byteNs = 0;
    qsizetype m_queued = 0;
    QList<Run> m_runs;
    // When the last byte handed over will have crossed.
    qint64 m_lineFreeNs = 0;
};
