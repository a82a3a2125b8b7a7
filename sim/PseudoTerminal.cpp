#include "PseudoTerminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool setNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool setCloseOnExec(int fd)
{
    const int flags = ::fcntl(fd, F_GETFD);
    return flags >= 0 && ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC) == 0;
}

} // namespace

PseudoTerminal::~PseudoTerminal()
{
    removeLink();
}

void PseudoTerminal::close()
{
    removeLink();
    m_slave.reset();
    m_master.reset();
}

bool PseudoTerminal::fail(const QString& what)
{
    m_error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool PseudoTerminal::open()
{
    if (isOpen())
        return true;
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return fail(QStringLiteral("openpty"));
    m_master.reset(master);
    m_slave.reset(slave);

    termios settings{};
    if (::tcgetattr(slave, &settings) != 0)
        return fail(QStringLiteral("tcgetattr"));
    ::cfmakeraw(&settings);
    if (::tcsetattr(slave, TCSANOW, &settings) != 0)
        return fail(QStringLiteral("tcsetattr"));

    if (!setNonBlocking(master) || !setCloseOnExec(master) || !setCloseOnExec(slave))
        return fail(QStringLiteral("fcntl"));

    const char* name = ::ptsname(master);
    if (!name)
        return fail(QStringLiteral("ptsname"));
    m_devicePath = QString::fromLocal8Bit(name);
    return true;
}

bool PseudoTerminal::createLink(const QString& path)
{
    if (!isOpen()) {
        m_error = QStringLiteral("no pseudo-terminal to link to");
        return false;
    }
    removeLink();
    const QByteArray linkName = QFile::encodeName(path);
    struct stat existing{};
    if (::lstat(linkName.constData(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            m_error = path + QStringLiteral(" exists and is not a symbolic link");
            return false;
        }
        if (::unlink(linkName.constData()) != 0)
            return fail(path);
    }
    if (::symlink(QFile::encodeName(m_devicePath).constData(), linkName.constData()) != 0)
        return fail(path);
    m_linkPath = path;
    return true;
}

void PseudoTerminal::removeLink()
{
    if (m_linkPath.isEmpty())
        return;
    // Only a link that still points here is ours to remove.
    if (QFileInfo(m_linkPath).symLinkTarget() == m_devicePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}
