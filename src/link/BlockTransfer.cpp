#include "link/BlockTransfer.h"

#include "link/Commands.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "link/Ticks.h"
#include "link/WireWords.h"

#include <algorithm>

void BlockTransfer::setAttempts(int attempts)
{
    m_attempts = std::clamp(attempts, kSingleAttempt, kMostAttempts);
}

CodeVerdict BlockTransfer::sendForVerdict(std::uint8_t command, int ticks)
{
    ReplyFlags& flags = m_link.flags();
    m_link.serial().takePendingInput();
    flags.codeAccepted = false;
    flags.codeRejected = false;
    m_link.SendCommand(command);
    m_link.countdown().wait(ticks, [&] { return flags.codeAccepted || flags.codeRejected; });
    if (flags.codeAccepted)
        return CodeVerdict::Accepted;
    return flags.codeRejected ? CodeVerdict::Rejected : CodeVerdict::NoAnswer;
}

bool BlockTransfer::CheckInstallerCode()
{
    for (int attempt = 1;; ++attempt) {
        const qint64 bytesBefore = m_link.serial().bytesReceived();
        const CodeVerdict verdict = sendForVerdict(command::kCodeCheck, ticks::kCodeCheck);
        switch (verdict) {
        case CodeVerdict::Accepted:
            m_failureText = text::codeCheckOk;
            m_codeAcceptedInTransaction = true;
            return true;
        case CodeVerdict::Rejected: m_failureText = text::wrongInstallerCode; break;
        case CodeVerdict::NoAnswer:
            // A port lost during the wait is not the module's silence.
            m_failureText = m_link.isOpen() ? text::moduleNoAnswer : text::noSerialLink;
            break;
        }
        if (attempt >= m_attempts || !m_link.isOpen() || !checkWorthRepeating(verdict, bytesBefore))
            return false;
    }
}

bool BlockTransfer::checkWorthRepeating(CodeVerdict verdict, qint64 bytesBefore) const
{
    // The module accepted this very code a moment ago: the request or its
    // answer was damaged on the way.
    if (m_codeAcceptedInTransaction)
        return true;
    // Otherwise a refusal is the module's word, and silence may be a module
    // that is not there; only an answer that came damaged is asked again.
    return verdict == CodeVerdict::NoAnswer && m_link.serial().bytesReceived() > bytesBefore;
}

bool BlockTransfer::tried(const std::function<bool()>& step)
{
    for (int attempt = 1;; ++attempt) {
        if (step())
            return true;
        if (attempt >= m_attempts || !m_link.isOpen() || m_link.flags().codeRejected)
            return false;
    }
}

bool BlockTransfer::readBlock(std::uint16_t address, BlockNumberCheck check)
{
    return tried([&] { return readOnce(address, check); });
}

bool BlockTransfer::readOnce(std::uint16_t address, BlockNumberCheck check)
{
    ReplyFlags& flags = m_link.flags();
    m_link.serial().takePendingInput();
    flags.frameBad = false;
    flags.frameGood = false;
    m_link.serial().SendLine(readRequestLine(address));
    m_link.countdown().wait(ticks::kBlockRead,
                            [&] { return flags.codeRejected || flags.frameGood || flags.frameBad; });
    // A bad frame after the good one within this wait has overwritten it.
    if (!flags.frameGood || !m_link.dispatcher().holdsGoodFrame())
        return false;
    // The whole address, not only its low byte: a request damaged in its
    // high digits ("RDFL0003" arriving as "RDFLF003") is answered with
    // another block that carries the same low byte.
    return check == BlockNumberCheck::NotChecked || frameAddress(m_link.frameBuffer()) == address;
}

bool BlockTransfer::writeBlock(const Frame& frame, WriteConfirmation confirmation)
{
    ReplyFlags& flags = m_link.flags();
    SerialLink& serial = m_link.serial();
    const bool failureEnds = confirmation == WriteConfirmation::AcknowledgedOrFailed;
    bool& awaited = confirmation == WriteConfirmation::FirmwareConfirmed ? flags.firmwareConfirmed
                                                                         : flags.writeAcknowledged;
    flags.frameBad = false;
    flags.frameGood = false;
    serial.SendLine(wire::kWriteBlock);
    for (std::uint8_t byte : frame)
        serial.SendHexByte(byte);
    // The verdict is cleared only now, after what has already arrived was
    // handled: an acknowledgement cannot come before the final CR.
    serial.takePendingInput();
    awaited = false;
    if (failureEnds)
        flags.writeFailed = false;
    serial.SendCR();
    m_link.countdown().wait(ticks::kBlockWrite, [&] { return awaited || (failureEnds && flags.writeFailed); });
    return awaited;
}

bool BlockTransfer::writeParameterBlock(const Frame& frame)
{
    // With more than one attempt a "WRFLERR" ends an attempt at once; the
    // single written attempt waits for "WROK" alone.
    const WriteConfirmation confirmation = m_attempts > kSingleAttempt ? WriteConfirmation::AcknowledgedOrFailed
                                                                       : WriteConfirmation::Acknowledged;
    return tried([&] { return writeBlock(frame, confirmation); });
}

bool BlockTransfer::activate()
{
    return tried([this] { return activateOnce(); });
}

bool BlockTransfer::activateOnce()
{
    ReplyFlags& flags = m_link.flags();
    m_link.serial().takePendingInput();
    flags.crcConfirmed = false;
    m_link.serial().SendLine(wire::kActivate);
    m_link.countdown().wait(ticks::kActivation, [&] { return flags.crcConfirmed; });
    return flags.crcConfirmed;
}
