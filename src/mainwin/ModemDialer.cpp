#include "mainwin/ModemDialer.h"

#include "link/Cp1250.h"
#include "link/DeviceLink.h"
#include "link/WireWords.h"

namespace {

using wire::kAttention;
using wire::kCR;
using wire::kDial;
using wire::kEscape;
using wire::kHangUp;

// Counts of the modem dialogue, in 100 ms ticks.
constexpr int kCheckAttempts = 7;
constexpr int kCheckTicks = 20;
constexpr int kConnectTicks = 200;
constexpr int kHangUpAttempts = 3;
constexpr int kHangUpTicks = 15;
constexpr int kEscapeSilenceTicks = 20;
constexpr int kEscapedHangUpAttempts = 7;
constexpr int kEscapedHangUpTicks = 6;
constexpr int kFinalHangUpTicks = 20;

} // namespace

ModemDialer::ModemDialer(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{
}

QByteArray ModemDialer::dialLine(const QString& phoneNumber)
{
    QByteArray line = kDial.toByteArray();
    for (char c : toCp1250(phoneNumber))
        if (static_cast<unsigned char>(c) >= 32)
            line.append(c);
    return line + kCR;
}

bool ModemDialer::askModem(QByteArrayView command, int attempts, int ticks, const std::function<bool()>& alsoEnds)
{
    ReplyFlags& flags = m_link.flags();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        flags.okReceived = false;
        m_link.serial().SendLineLogged(command);
        m_modemCountdown.wait(ticks, [&] { return flags.okReceived || alsoEnds(); });
        if (flags.okReceived || alsoEnds())
            break;
    }
    return flags.okReceived;
}

void ModemDialer::silence(int ticks)
{
    m_modemCountdown.wait(ticks, [] { return false; });
}

bool ModemDialer::dialogue(const QString& phoneNumber)
{
    ReplyFlags& flags = m_link.flags();
    const auto aborted = [this] { return modemAbort; };
    askModem(kAttention, kCheckAttempts, kCheckTicks, aborted);
    // One more "AT" confirms that the modem is really listening.
    const bool ready = askModem(kAttention, 1, kCheckTicks, aborted);
    if (ready && !modemAbort)
        m_link.serial().writeRaw(dialLine(phoneNumber));
    flags.remoteConnected = false;
    m_modemCountdown.wait(kConnectTicks, [&] { return flags.remoteConnected || modemAbort; });
    if (flags.remoteConnected)
        m_link.setDialledNumber(phoneNumber);
    return flags.remoteConnected;
}

void ModemDialer::hangUp()
{
    m_link.setDialledNumber(QString());
    const auto never = [] { return false; };
    if (!askModem(kHangUp, kHangUpAttempts, kHangUpTicks, never)) {
        // Back to command mode: the escape must stand alone between pauses.
        silence(kEscapeSilenceTicks);
        m_link.serial().writeRaw(kEscape);
        silence(kEscapeSilenceTicks);
        askModem(kHangUp, kEscapedHangUpAttempts, kEscapedHangUpTicks, never);
    }
    askModem(kHangUp, 1, kFinalHangUpTicks, never);
}
