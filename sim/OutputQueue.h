#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

// Writes the module's output to a non-blocking descriptor in order: at once,
// or paced at the speed of a serial line. Bytes the descriptor cannot take
// yet wait until it becomes writable again.
class OutputQueue : public QObject
{
    Q_OBJECT
public:
    // A character on the line: start bit, eight data bits, stop bit.
    static constexpr int kBitsPerByte = 10;
    // The slowest pace: one character a second.
    static constexpr int kMinimumBaud = kBitsPerByte;

    explicit OutputQueue(int fd, QObject* parent = nullptr);

    // 0 writes unpaced.
    void setBaudRate(int baud);
    int baudRate() const { return m_bytesPerSecond * kBitsPerByte; }

    void send(const QByteArray& bytes);
    qsizetype pending() const { return m_queue.size(); }

private:
    enum class Write { Done, Blocked };

    void pump();
    Write writeUpTo(qsizetype count);

    int m_fd;
    int m_bytesPerSecond = 0;
    QByteArray m_queue;
    QSocketNotifier m_writable;
    QTimer m_pacer;
    QElapsedTimer m_clock;
    double m_allowance = 0;
};
