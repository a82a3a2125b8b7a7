#pragma once

#include "link/BlockTransfer.h"
#include "link/MonitorLog.h"
#include "link/ReplyDispatcher.h"
#include "link/SerialLink.h"
#include "link/WaitLoop.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>

class DeviceLink;

// Stops the periodic code check for its lifetime and then puts the timer back
// the way it found it, so nested transactions do not restart it early.
class CodeTimerPause
{
public:
    explicit CodeTimerPause(QTimer& timer);
    ~CodeTimerPause();
    CodeTimerPause(CodeTimerPause&& other) noexcept;
    CodeTimerPause(const CodeTimerPause&) = delete;
    CodeTimerPause& operator=(const CodeTimerPause&) = delete;
    CodeTimerPause& operator=(CodeTimerPause&&) = delete;

private:
    QTimer* m_timer;
    bool m_wasActive;
};

// Held while one window runs a transaction on the shared countdown and
// flags: a second one is refused until it ends. Pauses the code timer.
class Transaction
{
public:
    ~Transaction();
    Transaction(Transaction&& other) noexcept;
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    Transaction& operator=(Transaction&&) = delete;

private:
    friend class DeviceLink;
    explicit Transaction(DeviceLink& link);

    DeviceLink* m_link;
    CodeTimerPause m_pause;
};

// Everything between the windows and the module: the port, the monitor text,
// the reply dispatcher with its flags and frame buffer, the shared countdown,
// the periodic code check and the block transactions.
class DeviceLink : public QObject
{
    Q_OBJECT
public:
    explicit DeviceLink(QObject* parent = nullptr);
    ~DeviceLink() override;

    SerialLink& serial() { return m_serial; }
    MonitorLog& monitor() { return m_monitor; }
    ReplyDispatcher& dispatcher() { return m_dispatcher; }
    ReplyFlags& flags() { return m_dispatcher.flags; }
    const Frame& frameBuffer() const { return m_dispatcher.frameBuffer; }
    TickCounter& countdown() { return m_countdown; }
    QTimer& codeTimer() { return CodeTimer; }
    BlockTransfer& blocks() { return m_blocks; }
    bool isOpen() const { return m_serial.isOpen(); }

    // Where the installer code is typed; read afresh for every command.
    void setCodeSource(std::function<QString()> source) { m_codeSource = std::move(source); }
    QString installerCode() const;

    // Sends the command word of `index` with the encoded installer code;
    // nothing when the port is closed or the index has no command.
    void SendCommand(std::uint8_t index);

    // Nothing when another transaction is waiting.
    std::optional<Transaction> beginTransaction();
    bool transactionRunning() const { return m_transactionRunning; }

    // Ends every running countdown wait at once (the program is closing).
    void abortWaits() { m_countdown.stop(); }

    // The data version the module reported at the last version query; the
    // parameter transfers set it to -1 before they ask.
    int moduleDataVersion = 0;
    // The program version the module reported at the last version query;
    // empty until one succeeded, and after one failed.
    QString moduleProgramVersion;
    // The number of the modem call in progress, empty without one.
    void setDialledNumber(const QString& number) { m_dialledNumber = number; }
    // Where the module is reached: the dialled number during a modem call,
    // else the serial port.
    QString connectionPlace() const;

private:
    friend class Transaction;
    void CodeTimerTimer();

    MonitorLog m_monitor;
    ReplyDispatcher m_dispatcher;
    SerialLink m_serial;
    TickCounter m_countdown;
    QTimer CodeTimer;
    BlockTransfer m_blocks;
    std::function<QString()> m_codeSource;
    QString m_dialledNumber;
    bool m_transactionRunning = false;
};
