#include "HayesModem.h"

namespace command {
using simwire::kAttention;
using simwire::kDial;
using simwire::kHangUp;
using simwire::kHangUpZero;
} // namespace command

namespace result {
using simwire::kConnect;
using simwire::kError;
using simwire::kOk;
} // namespace result

HayesModem::HayesModem(const ModemSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_commandLine([this](const QByteArray& line) { handleCommand(line); })
    , m_escape([this](const QByteArray& bytes) { route(bytes); })
{
    m_connectDelay.setSingleShot(true);
    connect(&m_connectDelay, &QTimer::timeout, this, &HayesModem::connected);
    connect(&m_escape, &EscapeDetector::escaped, this, &HayesModem::escaped);
}

void HayesModem::receive(QByteArrayView bytes)
{
    m_escape.feed(bytes, m_settings.escapeGuardMs);
}

void HayesModem::transmit(const QByteArray& bytes)
{
    if (m_mode == Mode::Data)
        emit toProgram(bytes);
}

void HayesModem::route(const QByteArray& bytes)
{
    if (m_mode == Mode::Data) {
        emit toModule(bytes);
        return;
    }
    for (char c : bytes)
        m_commandLine.feed(c);
}

void HayesModem::handleCommand(const QByteArray& line)
{
    emit commandReceived(line);
    if (m_mode == Mode::Dialling) {
        m_connectDelay.stop();
        m_mode = Mode::Command;
    }
    if (m_settings.silent)
        return;
    if (line == command::kAttention) {
        reply(result::kOk);
    } else if (line == command::kHangUp || line == command::kHangUpZero) {
        if (!m_settings.ignoresHangUp)
            reply(result::kOk);
    } else if (line.startsWith(command::kDial) && line.size() > command::kDial.size()) {
        m_mode = Mode::Dialling;
        m_connectDelay.start(m_settings.connectDelayMs);
    } else {
        reply(result::kError);
    }
}

void HayesModem::connected()
{
    // Whatever stood unfinished in the command line belongs to no command.
    m_commandLine.reset();
    m_mode = Mode::Data;
    reply(result::kConnect);
}

void HayesModem::escaped()
{
    emit commandReceived(kEscapeLine.toByteArray());
    m_connectDelay.stop();
    m_mode = Mode::Command;
    if (!m_settings.silent)
        reply(result::kOk);
}

void HayesModem::reply(QByteArrayView text)
{
    emit toProgram(text.toByteArray() + simwire::kCR);
}
