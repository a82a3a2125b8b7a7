#include "link/DeviceLink.h"

#include "link/Commands.h"
#include "link/Ticks.h"

CodeTimerPause::CodeTimerPause(QTimer& timer)
    : m_timer(&timer)
    , m_wasActive(timer.isActive())
{
    timer.stop();
}

CodeTimerPause::~CodeTimerPause()
{
    if (m_timer && m_wasActive)
        m_timer->start();
}

CodeTimerPause::CodeTimerPause(CodeTimerPause&& other) noexcept
    : m_timer(std::exchange(other.m_timer, nullptr))
    , m_wasActive(other.m_wasActive)
{
}

Transaction::Transaction(DeviceLink& link)
    : m_link(&link)
    , m_pause(link.CodeTimer)
{
    link.m_transactionRunning = true;
}

Transaction::~Transaction()
{
    if (m_link)
        m_link->m_transactionRunning = false;
}

Transaction::Transaction(Transaction&& other) noexcept
    : m_link(std::exchange(other.m_link, nullptr))
    , m_pause(std::move(other.m_pause))
{
}

DeviceLink::DeviceLink(QObject* parent)
    : QObject(parent)
    , m_serial(m_monitor, [this](const QByteArray& line) { m_dispatcher.HandleReply(line); })
    , m_blocks(*this)
{
    m_dispatcher.receivers.remoteConnected = [this] { CodeTimer.start(); };
    // Nothing answers a closed port: waits on the countdown end at once
    // rather than run out.
    m_countdown.setHalted(!m_serial.isOpen());
    connect(&m_serial, &SerialLink::openChanged, this, [this](bool open) {
        m_countdown.setHalted(!open);
        // A closed port ends any call.
        if (!open)
            m_dialledNumber.clear();
    });
    CodeTimer.setInterval(ticks::toMs(ticks::kCodeTimerPeriod));
    connect(&CodeTimer, &QTimer::timeout, this, &DeviceLink::CodeTimerTimer);
    CodeTimer.start();
}

DeviceLink::~DeviceLink() = default;

QString DeviceLink::installerCode() const
{
    return GetInstallerCode(m_codeSource ? m_codeSource() : QString());
}

QString DeviceLink::connectionPlace() const
{
    return m_dialledNumber.isEmpty() ? m_serial.portName() : m_dialledNumber;
}

void DeviceLink::SendCommand(std::uint8_t index)
{
    if (!isOpen())
        return;
    if (const auto line = commandLine(index, installerCode()))
        m_serial.SendLine(*line);
}

std::optional<Transaction> DeviceLink::beginTransaction()
{
    if (m_transactionRunning)
        return std::nullopt;
    m_blocks.transactionBegins();
    return Transaction(*this);
}

void DeviceLink::CodeTimerTimer()
{
    SendCommand(command::kCodeCheck);
}
