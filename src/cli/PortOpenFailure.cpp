#include "cli/PortOpenFailure.h"

#include <QFile>
#include <QSerialPortInfo>

#include <unistd.h>

namespace cli {

namespace {

bool mayReadAndWrite(const QString& port)
{
    const QString path = QSerialPortInfo(port).systemLocation();
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
}

} // namespace

QString portOpenFailure(const QString& port, QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return QStringLiteral("no such device");
    case QSerialPort::PermissionError:
        if (!mayReadAndWrite(port))
            return QStringLiteral("permission denied (the user needs the dialout group: "
                                  "sudo usermod -aG dialout $USER, then log in again)");
        [[fallthrough]];
    case QSerialPort::OpenError: return QStringLiteral("busy (another program has it open)");
    default: return QStringLiteral("the device refused to open");
    }
}

} // namespace cli
