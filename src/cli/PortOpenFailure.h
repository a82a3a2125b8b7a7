#pragma once

#include <QSerialPort>
#include <QString>

namespace cli {

// Why the serial port `port` (a name or a device path) could not be opened,
// in words an installer can act on; `errorText` is the port layer's own
// description, used when nothing else explains the failure. The port layer
// reports a port held by another program and a forbidden one alike (and to
// root a held lock is the only "permission" failure there is), so the device
// itself is examined: whether it exists, whether this user's rights allow
// reading and writing it, and whether another program holds it.
QString portOpenFailure(const QString& port, QSerialPort::SerialPortError error, const QString& errorText);

inline const QString kPortBusy = QStringLiteral("busy: another program has the port open");
inline const QString kNoSuchDevice = QStringLiteral("no such device");

} // namespace cli
