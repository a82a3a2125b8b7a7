#pragma once

#include "LineTiming.h"
#include "PacedLine.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

// Writes the module's output to a non-blocking descriptor in order: at once,
// or paced at the speed of a serial line. Bytes the descriptor cannot take
// yet wait until it becomes writable again.
class OutputQueue : public QObject
{
    Q_OBJECT
public:
    // A character on the line: start bit, eight data bits, stop bit.
    static constexpr int kBitsPerByte = LineTiming::kBitsPerByte;
    // The slowest pace: one character a second.
    static constexpr int kMinimumBaud = kBitsPerByte;

    explicit OutputQueue(int fd, QObject* parent = nullptr);

    // 0 writes unpaced.
    void setBaudRate(int baud) { m_line.setBaudRate(baud); }
    int baudRate() const { return m_line.baudRate(); }

    void send(const QByteArray& bytes) { m_line.send(bytes); }
    qsizetype pending() const { return m_line.pending(); }
    // Bytes written to the descriptor so far.
    qint64 written() const { return m_line.carried(); }

private:
    qsizetype write(QByteArrayView bytes);

    int m_fd;
    QSocketNotifier m_writable;
    PacedLine m_line;
};
