#pragma once

#include <QSerialPort>
#include <QString>

namespace cli {

// Why the serial port `port` (a name or a device path) could not be opened,
// in words an installer can act on. The serial port reports a busy device and
// a forbidden one alike, so the device's access rights tell them apart.
QString portOpenFailure(const QString& port, QSerialPort::SerialPortError error);

} // namespace cli
