#include "OutputQueue.h"

#include <QDebug>

#include <cerrno>
#include <cstring>

#include <unistd.h>

OutputQueue::OutputQueue(int fd, QObject* parent)
    : QObject(parent)
    , m_fd(fd)
    , m_writable(fd, QSocketNotifier::Write)
    , m_line([this](QByteArrayView bytes) { return write(bytes); })
{
    m_writable.setEnabled(false);
    connect(&m_writable, &QSocketNotifier::activated, this, [this] {
        m_writable.setEnabled(false);
        m_line.resume();
    });
}

qsizetype OutputQueue::write(QByteArrayView bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + written, size_t(bytes.size() - written));
        if (n > 0) {
            written += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            m_writable.setEnabled(true);
            break;
        } else {
            // Nothing will ever take these bytes; keeping them would stall all later output.
            qWarning("sentrova-sim: write failed: %s", std::strerror(errno));
            return bytes.size();
        }
    }
    return written;
}
