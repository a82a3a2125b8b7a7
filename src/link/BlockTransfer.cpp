#include "link/BlockTransfer.h"

#include "link/Commands.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "link/Ticks.h"
#include "link/WireWords.h"

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
    switch (sendForVerdict(command::kCodeCheck, ticks::kCodeCheck)) {
    case CodeVerdict::Accepted: m_failureText = text::codeCheckOk; return true;
    case CodeVerdict::Rejected: m_failureText = text::wrongInstallerCode; return false;
    case CodeVerdict::NoAnswer:
        // A port lost during the wait is not the module's silence.
        m_failureText = m_link.isOpen() ? text::moduleNoAnswer : text::noSerialLink;
        return false;
    }
    return false;
}

bool BlockTransfer::readBlock(std::uint16_t address, BlockNumberCheck check)
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
    return check == BlockNumberCheck::NotChecked
        || m_link.frameBuffer()[frame::kAddressLow] == std::uint8_t(address & 0xFF);
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

bool BlockTransfer::activate()
{
    ReplyFlags& flags = m_link.flags();
    m_link.serial().takePendingInput();
    flags.crcConfirmed = false;
    m_link.serial().SendLine(wire::kActivate);
    m_link.countdown().wait(ticks::kActivation, [&] { return flags.crcConfirmed; });
    return flags.crcConfirmed;
}
