#pragma once

#include "link/LineAssembler.h"
#include "link/WireWords.h"

#include <QObject>
#include <QSerialPort>

#include <cstdint>
#include <functional>

class MonitorLog;
class SessionLog;

// The program's one serial port with its fixed settings, the assembly of
// received lines and the send operations every window uses. A send on a
// closed port does nothing.
class SerialLink : public QObject
{
    Q_OBJECT
public:
    static constexpr qint32 kBaudRate = 19200;
    static constexpr char kCR = wire::kCR;

    using LineHandler = std::function<void(const QByteArray&)>;

    SerialLink(MonitorLog& monitor, LineHandler handleLine, QObject* parent = nullptr);
    ~SerialLink() override;

    // Sets the port name after normalisation; an open port is reopened under
    // the new name. Returns false when the reopen failed.
    bool setPortName(const QString& name);
    QString portName() const { return m_portName; }

    // Opens the port and takes it for this program alone: a port that
    // another program (or another name for the same device) holds is refused.
    bool open();
    // Why the last open failed (permission, no device, busy ...); a port held
    // elsewhere reads as a permission error, as the port layer reports its own
    // lock.
    QSerialPort::SerialPortError openError() const;
    // The port layer's description of the last failed open.
    QString openErrorText() const;
    void close();
    bool isOpen() const { return ComPort1.isOpen(); }
    // The port's last error; NoError while it works.
    QSerialPort::SerialPortError portError() const { return ComPort1.error(); }

    void SendLine(QByteArrayView text);
    void SendLineLogged(QByteArrayView text);
    void SendHexByte(std::uint8_t byte);
    void SendCR();
    void writeRaw(QByteArrayView text);

    // Every byte sent and received also goes to `log` (not owned; nullptr
    // stops it).
    void setSessionLog(SessionLog* log) { m_sessionLog = log; }

    // Handles whatever has already arrived, at once. A transaction calls it
    // before clearing the flag it will wait for, so that a reply that came
    // before its request cannot be taken as the answer.
    void takePendingInput();

    // Bytes received since the link was made, whatever they held.
    qint64 bytesReceived() const { return m_bytesReceived; }

    // The line being received (kept across notifications and reopening).
    const QByteArray& lineBuffer() const { return m_lines.pending(); }

signals:
    // The device went away (unplugged, powered off): the port is closed
    // already. `reason` is the system's description of the error.
    void portLost(const QString& reason);
    // The port was opened or closed, by a call or by a loss.
    void openChanged(bool open);

private:
    void ComPort1RxChar();
    void ComPort1Error(QSerialPort::SerialPortError error);
    void deliverLine(const QByteArray& line);
    void write(QByteArrayView bytes);

    QSerialPort ComPort1;
    // As given (normalised): the port object shortens "/dev/..." names.
    QString m_portName;
    MonitorLog& m_monitor;
    LineHandler m_handleLine;
    LineAssembler m_lines;
    SessionLog* m_sessionLog = nullptr;
    qint64 m_bytesReceived = 0;
    // Errors count only once the port is set up: a pseudo-terminal refuses
    // the modem lines while it is being opened.
    bool m_watchErrors = false;
    // The device opened but another open file of it holds it (see open()).
    bool m_heldElsewhere = false;
};

// "COM" names are read as a number 1-96 (anything else counts as 1); any other
// name is a device name or path and is kept as it is; an empty name is COM1.
QString normalisePortName(const QString& name);
