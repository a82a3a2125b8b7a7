#include "cli/PortOpenFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace cli {

namespace {

const QString kDevFolder = QStringLiteral("/dev/");

// The device path the port layer opens for `port`: a path as it is, a bare
// name under /dev.
QString devicePath(const QString& port)
{
    const bool path = port.startsWith(u'/') || port.startsWith(QStringLiteral("./"))
                      || port.startsWith(QStringLiteral("../"));
    return path ? port : kDevFolder + port;
}

bool mayReadAndWrite(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
}

// Another open file of the device holds it: it was opened for exclusive use
// (the open is refused as busy) or it carries a lock (as this program's own
// ports do, whatever name they were opened by).
bool deviceHeld(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd); // also releases the lock when this probe took it
    return locked;
}

// A lock file's owner: the first line holds its process number, in the
// serial port layer's lock files and in the older programs' alike.
bool ownerAlive(const QString& lockFile)
{
    QFile file(lockFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool ok = false;
    const qint64 pid = file.readLine(64).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0 || pid == qint64(::getpid()))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// "LCK.." and the device's name below /dev, slashes as underscores: how
// serial programs name their lock files.
QString lockFileName(const QString& path)
{
    QString name = path.startsWith(kDevFolder) ? path.mid(kDevFolder.size()) : path;
    name.replace(u'/', u'_');
    return QStringLiteral("LCK..") + name;
}

// A lock file of a living program, under the name the port was given or the
// device's own name, in any of the usual lock folders.
bool lockFileHeld(const QString& path)
{
    QStringList names{lockFileName(path)};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != path)
        names << lockFileName(canonical);
    QStringList folders{QStringLiteral("/var/lock"), QStringLiteral("/run/lock"), QStringLiteral("/var/spool/locks"),
                        QStringLiteral("/var/spool/uucp"), QStringLiteral("/tmp"), QDir::tempPath()};
    folders.removeDuplicates();
    for (const QString& folder : folders)
        for (const QString& name : names)
            if (ownerAlive(folder + u'/' + name))
                return true;
    return false;
}

} // namespace

QString portOpenFailure(const QString& port, QSerialPort::SerialPortError error, const QString& errorText)
{
    const QString path = devicePath(port);
    if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(path))
        return kNoSuchDevice;
    if (!mayReadAndWrite(path))
        return QStringLiteral("permission denied (the user needs the dialout group: "
                              "sudo usermod -aG dialout $USER, then log in again)");
    if (deviceHeld(path) || lockFileHeld(path))
        return kPortBusy;
    return QStringLiteral("the device refused to open (%1)").arg(errorText);
}

} // namespace cli
