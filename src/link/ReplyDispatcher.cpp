#include "link/ReplyDispatcher.h"

#include "link/LinkTexts.h"
#include "link/WireWords.h"

#include <array>

namespace {

enum class Reply {
    Connect,
    StatusReport,
    LastEvents,
    ModuleMessage,
    RadioReport,
    CodeRejected,
    CodeAccepted,
    Ok,
    WriteAcknowledged,
    WriteFailed,
    RadioTeachFailed,
    CrcConfirmed,
    FirmwareConfirmed,
    Frame,
};

struct Token
{
    QByteArrayView text;
    Reply reply;
};

// Every line is tested against every token, in this order.
constexpr std::array<Token, 14> kTokens = {{
    {wire::kConnect, Reply::Connect},
    {wire::kStatusReport, Reply::StatusReport},
    {wire::kLastEvents, Reply::LastEvents},
    {wire::kModuleMessage, Reply::ModuleMessage},
    {wire::kRadioReport, Reply::RadioReport},
    {wire::kCodeRejected, Reply::CodeRejected},
    {wire::kCodeAccepted, Reply::CodeAccepted},
    {wire::kOk, Reply::Ok},
    {wire::kWriteAcknowledged, Reply::WriteAcknowledged},
    {wire::kWriteFailed, Reply::WriteFailed},
    {wire::kRadioTeachFailed, Reply::RadioTeachFailed},
    {wire::kCrcConfirmed, Reply::CrcConfirmed},
    {wire::kFirmwareConfirmed, Reply::FirmwareConfirmed},
    {wire::kReadBlock, Reply::Frame},
}};

void deliver(const ReplyDispatcher::LineReceiver& receiver, const QByteArray& line)
{
    if (receiver)
        receiver(line);
}

} // namespace

void ReplyDispatcher::HandleReply(const QByteArray& line)
{
    auto showStatus = [this](const QString& text) {
        if (receivers.statusBar)
            receivers.statusBar(text);
    };
    for (const Token& token : kTokens) {
        if (!line.startsWith(token.text))
            continue;
        switch (token.reply) {
        case Reply::Connect:
            if (receivers.remoteConnected)
                receivers.remoteConnected();
            flags.remoteConnected = true;
            showStatus(text::remoteConnected);
            break;
        case Reply::StatusReport: deliver(receivers.statusReport, line); break;
        case Reply::LastEvents: deliver(receivers.lastEvents, line); break;
        case Reply::ModuleMessage: deliver(receivers.moduleMessage, line); break;
        case Reply::RadioReport: deliver(receivers.radioReport, line); break;
        case Reply::CodeRejected:
            flags.codeRejected = true;
            showStatus(text::wrongInstallerCode);
            break;
        case Reply::CodeAccepted:
            flags.codeAccepted = true;
            showStatus(QString());
            break;
        case Reply::Ok: flags.okReceived = true; break;
        case Reply::WriteAcknowledged: flags.writeAcknowledged = true; break;
        case Reply::WriteFailed: flags.writeFailed = true; break;
        case Reply::RadioTeachFailed: flags.radioTeachFailed = true; break;
        case Reply::CrcConfirmed: flags.crcConfirmed = true; break;
        case Reply::FirmwareConfirmed: flags.firmwareConfirmed = true; break;
        case Reply::Frame:
            m_lastFrameGood = decodeReplyFrame(line, frameBuffer) == FrameDecode::Good;
            if (m_lastFrameGood)
                flags.frameGood = true;
            else
                flags.frameBad = true;
            break;
        }
    }
}
