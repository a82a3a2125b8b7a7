#include "link/SerialLink.h"

#include "link/BlockFrame.h"
#include "link/Cp1250.h"
#include "link/MonitorLog.h"
#include "link/SessionLog.h"

#ifdef Q_OS_UNIX
#include <sys/file.h>

#include <cerrno>
#endif

namespace {
constexpr int kFirstComNumber = 1;
constexpr int kLastComNumber = 96;
const QString kComPrefix = QStringLiteral("COM");
} // namespace

QString normalisePortName(const QString& name)
{
    const QString trimmed = name.trimmed();
    const bool comName = trimmed.startsWith(kComPrefix, Qt::CaseInsensitive);
    if (!comName && !trimmed.isEmpty())
        return trimmed;
    bool ok = false;
    const int number = (comName ? trimmed.mid(kComPrefix.size()) : trimmed).toInt(&ok);
    const bool valid = ok && number >= kFirstComNumber && number <= kLastComNumber;
    return kComPrefix + QString::number(valid ? number : kFirstComNumber);
}

SerialLink::SerialLink(MonitorLog& monitor, LineHandler handleLine, QObject* parent)
    : QObject(parent)
    , m_monitor(monitor)
    , m_handleLine(std::move(handleLine))
    , m_lines([this](const QByteArray& line) { deliverLine(line); })
{
    m_portName = normalisePortName(QString());
    ComPort1.setPortName(m_portName);
    connect(&ComPort1, &QSerialPort::readyRead, this, &SerialLink::ComPort1RxChar);
    connect(&ComPort1, &QSerialPort::errorOccurred, this, &SerialLink::ComPort1Error);
}

SerialLink::~SerialLink() = default;

bool SerialLink::setPortName(const QString& name)
{
    const QString normalised = normalisePortName(name);
    if (normalised == m_portName)
        return true;
    const bool wasOpen = isOpen();
    close();
    m_portName = normalised;
    ComPort1.setPortName(normalised);
    return wasOpen ? open() : true;
}

bool SerialLink::open()
{
    if (isOpen())
        return true;
    ComPort1.setBaudRate(kBaudRate);
    ComPort1.setDataBits(QSerialPort::Data8);
    ComPort1.setParity(QSerialPort::NoParity);
    ComPort1.setStopBits(QSerialPort::OneStop);
    ComPort1.setFlowControl(QSerialPort::NoFlowControl);
    m_heldElsewhere = false;
    if (!ComPort1.open(QIODevice::ReadWrite))
        return false;
#ifdef Q_OS_UNIX
    // The port layer's lock file is named after the path it was given, and
    // its exclusive mode does not bind root: a lock on the open device itself
    // keeps a second program off it under any name. A device that takes no
    // locks at all is used as before.
    if (::flock(int(ComPort1.handle()), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ComPort1.close();
        m_heldElsewhere = true;
        return false;
    }
#endif
    // A pseudo-terminal (the simulator, some adapters) has no modem lines;
    // refusing them must not fail the open.
    ComPort1.setDataTerminalReady(true);
    ComPort1.setRequestToSend(true);
    ComPort1.clearError();
    // What the line carried while the port was closed is not for us.
    ComPort1.clear(QSerialPort::Input);
    m_watchErrors = true;
    emit openChanged(true);
    return true;
}

QSerialPort::SerialPortError SerialLink::openError() const
{
    return m_heldElsewhere ? QSerialPort::PermissionError : ComPort1.error();
}

QString SerialLink::openErrorText() const
{
    return m_heldElsewhere ? QStringLiteral("the device is locked by another open file") : ComPort1.errorString();
}

void SerialLink::close()
{
    m_watchErrors = false;
    if (!isOpen())
        return;
    ComPort1.close();
    emit openChanged(false);
}

void SerialLink::ComPort1Error(QSerialPort::SerialPortError error)
{
    // The port's own text comes from the last system error, which may be
    // stale after a failed read; the kind of failure goes first.
    QString kind;
    switch (error) {
    case QSerialPort::ResourceError: kind = QStringLiteral("device unavailable"); break;
    case QSerialPort::ReadError: kind = QStringLiteral("read failed"); break;
    case QSerialPort::WriteError: kind = QStringLiteral("write failed"); break;
    case QSerialPort::UnknownError: kind = QStringLiteral("port failed"); break;
    default:
        // A time-out or a refused setting leaves the device usable.
        return;
    }
    if (!m_watchErrors || !isOpen())
        return;
    // A device that is gone keeps reporting itself readable: closing at once
    // is what stops the notifications from spinning.
    const QString reason = kind + QStringLiteral(" (") + ComPort1.errorString() + u')';
    close();
    emit portLost(reason);
}

void SerialLink::write(QByteArrayView bytes)
{
    if (!isOpen())
        return;
    ComPort1.write(bytes.data(), bytes.size());
    if (m_sessionLog)
        m_sessionLog->sent(bytes);
    // Hand the bytes to the driver now rather than at the next event-loop turn.
    ComPort1.flush();
}

void SerialLink::SendLine(QByteArrayView text)
{
    if (!isOpen())
        return;
    QByteArray line = text.toByteArray();
    line.append(kCR);
    write(line);
}

void SerialLink::SendLineLogged(QByteArrayView text)
{
    if (!isOpen())
        return;
    SendLine(text);
    m_monitor.append(MonitorLog::kSentPrefix.toString() + fromCp1250(text));
}

void SerialLink::SendHexByte(std::uint8_t byte)
{
    QByteArray hex;
    appendHexByte(hex, byte);
    write(hex);
}

void SerialLink::SendCR()
{
    write(QByteArrayView(&kCR, 1));
}

void SerialLink::writeRaw(QByteArrayView text)
{
    write(text);
}

void SerialLink::takePendingInput()
{
    if (!isOpen())
        return;
    // With nothing pending the zero wait ends in a time-out error that says
    // nothing about the port; it must not stay behind as its state.
    if (!ComPort1.waitForReadyRead(0) && isOpen() && ComPort1.error() == QSerialPort::TimeoutError)
        ComPort1.clearError();
}

void SerialLink::ComPort1RxChar()
{
    // A failure while handling a line ends this notification quietly; the
    // bytes not yet read stay queued for the next one.
    try {
        char byte = 0;
        while (ComPort1.getChar(&byte)) {
            ++m_bytesReceived;
            if (m_sessionLog)
                m_sessionLog->received(QByteArrayView(&byte, 1));
            m_lines.feed(byte);
        }
    } catch (...) {
    }
}

void SerialLink::deliverLine(const QByteArray& line)
{
    m_monitor.append(fromCp1250(line));
    m_handleLine(line);
}
