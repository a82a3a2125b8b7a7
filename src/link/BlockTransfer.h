#pragma once

#include "link/BlockFrame.h"

#include <QString>

#include <cstdint>

class DeviceLink;

// Whether a read also requires the frame to carry the requested block number
// (in the low address byte). The version reader does not check it.
enum class BlockNumberCheck { Required, NotChecked };

// What ends a block write: the parameter and firmware writes wait for "WROK",
// the clock write also for "WRFLERR", the firmware check for "FIRMWAREOK".
enum class WriteConfirmation { Acknowledged, AcknowledgedOrFailed, FirmwareConfirmed };

// How the module answered a command that carries the installer code.
enum class CodeVerdict { Accepted, Rejected, NoAnswer };

// The transactions from which every window builds its work: the installer
// code check that opens each of them, block reads, block writes and the
// activation of written parameters. Each waits on the shared countdown.
class BlockTransfer
{
public:
    explicit BlockTransfer(DeviceLink& link)
        : m_link(link)
    {
    }

    // Sends "RPWD" and waits up to 30 ticks for the verdict; failureText()
    // says what happened.
    bool CheckInstallerCode();
    const QString& failureText() const { return m_failureText; }

    // Sends a command that the module answers with "PWDOK" or "PWDERR" and
    // waits `ticks` for the verdict; an acceptance wins over a refusal.
    CodeVerdict sendForVerdict(std::uint8_t command, int ticks);

    // On success the block is in the link's frame buffer: a good frame that
    // no bad frame followed within the wait.
    bool readBlock(std::uint16_t address, BlockNumberCheck check = BlockNumberCheck::Required);

    bool writeBlock(const Frame& frame, WriteConfirmation confirmation = WriteConfirmation::Acknowledged);

    // "WRACT" after the eight parameter blocks; the module confirms with "CRCOK".
    bool activate();

private:
    DeviceLink& m_link;
    QString m_failureText;
};
