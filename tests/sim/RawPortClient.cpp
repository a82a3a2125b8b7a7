#include "RawPortClient.h"

#include <QFile>
#include <QTest>

#include <array>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

RawPortClient::RawPortClient(const QString& path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return;
    termios settings{};
    if (::tcgetattr(m_fd, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(m_fd, TCSANOW, &settings);
    }
}

RawPortClient::~RawPortClient()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void RawPortClient::sendRaw(const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EAGAIN)
            QTest::qWait(5); // the reader has not caught up yet
        else
            return;
    }
}

void RawPortClient::drain()
{
    std::array<char, 4096> buffer{};
    ssize_t n = 0;
    while ((n = ::read(m_fd, buffer.data(), buffer.size())) > 0)
        m_received.append(buffer.data(), n);
}

std::optional<QByteArray> RawPortClient::readLine(int timeoutMs)
{
    const bool complete = QTest::qWaitFor(
        [this] {
            drain();
            return m_received.contains('\r');
        },
        timeoutMs);
    if (!complete)
        return std::nullopt;
    const qsizetype end = m_received.indexOf('\r');
    const QByteArray line = m_received.left(end);
    m_received.remove(0, end + 1);
    return line;
}

QByteArray RawPortClient::readBytes(qsizetype count, int timeoutMs)
{
    const bool arrived = QTest::qWaitFor(
        [&] {
            drain();
            return m_received.size() >= count;
        },
        timeoutMs);
    if (!arrived)
        qWarning("only %lld of %lld bytes arrived", qlonglong(m_received.size()), qlonglong(count));
    return std::exchange(m_received, {});
}
