#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's end of a simulated link, opened with plain POSIX calls: raw
// mode, lines sent with CR, replies collected as they come. Waiting keeps the
// Qt event loop running, so an in-process simulator can answer meanwhile.
class RawPortClient
{
public:
    explicit RawPortClient(const QString& path);
    ~RawPortClient();
    RawPortClient(const RawPortClient&) = delete;
    RawPortClient& operator=(const RawPortClient&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    void sendRaw(const QByteArray& bytes);
    void sendLine(const QByteArray& line) { sendRaw(line + '\r'); }

    // The next line without its CR, or nothing when none is complete within
    // the time-out (which only bounds a failure).
    std::optional<QByteArray> readLine(int timeoutMs = 10000);

    // Waits until `count` bytes have arrived; returns them all.
    QByteArray readBytes(qsizetype count, int timeoutMs = 10000);

private:
    void drain();

    int m_fd = -1;
    QByteArray m_received;
};
