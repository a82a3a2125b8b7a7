#pragma once

#include "link/BlockFrame.h"

#include <QString>

#include <cstdint>
#include <functional>

class DeviceLink;

// Whether a read also requires the frame to carry the requested block
// address. The version reader does not check it.
enum class BlockNumberCheck { Required, NotChecked };

// What ends a block write: the parameter and firmware writes wait for "WROK",
// the clock write also for "WRFLERR", the firmware check for "FIRMWAREOK".
enum class WriteConfirmation { Acknowledged, AcknowledgedOrFailed, FirmwareConfirmed };

// How the module answered a command that carries the installer code.
enum class CodeVerdict { Accepted, Rejected, NoAnswer };

// The transactions from which every window builds its work: the installer
// code check that opens each of them, block reads, block writes and the
// activation of written parameters. Each waits on the shared countdown.
//
// Each step is made once unless more attempts are allowed (for scripts on
// noisy lines): then a step that failed after the module had answered a code
// check is made again, up to that many attempts in all.
class BlockTransfer
{
public:
    static constexpr int kSingleAttempt = 1;
    static constexpr int kMostAttempts = 5;

    explicit BlockTransfer(DeviceLink& link)
        : m_link(link)
    {
    }

    // 1 to kMostAttempts; 1 makes every step exactly once.
    void setAttempts(int attempts);
    int attempts() const { return m_attempts; }

    // A new transaction: nothing has been heard from the module in it yet.
    void transactionBegins() { m_codeAcceptedInTransaction = false; }

    // Sends "RPWD" and waits up to 30 ticks for the verdict; failureText()
    // says what happened. With more attempts, a check is made again when no
    // verdict came although the module sent something, and after a code
    // check of the same transaction was accepted, also when nothing came or
    // the code was refused (the request arrived damaged). A module that
    // answers nothing at all fails in the one wait, as a single check does.
    bool CheckInstallerCode();
    const QString& failureText() const { return m_failureText; }

    // Sends a command that the module answers with "PWDOK" or "PWDERR" and
    // waits `ticks` for the verdict; an acceptance wins over a refusal.
    CodeVerdict sendForVerdict(std::uint8_t command, int ticks);

    // On success the block is in the link's frame buffer: a good frame that
    // no bad frame followed within the wait, with the requested address where
    // it is checked. A read that failed is made again up to attempts().
    bool readBlock(std::uint16_t address, BlockNumberCheck check = BlockNumberCheck::Required);

    // One attempt; the caller decides whether to try again (see tried()).
    bool writeBlock(const Frame& frame, WriteConfirmation confirmation = WriteConfirmation::Acknowledged);

    // A parameter block written until the module acknowledges it, up to
    // attempts().
    bool writeParameterBlock(const Frame& frame);

    // "WRACT" after the eight parameter blocks; the module confirms with
    // "CRCOK". Made again up to attempts() while it is not confirmed.
    bool activate();

    // Makes `step` until it succeeds, up to attempts() times in all. It is not
    // made again once the port has gone or the module has refused the
    // installer code: those are answers, not damage on the line.
    bool tried(const std::function<bool()>& step);

private:
    bool readOnce(std::uint16_t address, BlockNumberCheck check);
    bool activateOnce();
    // Whether a failed code check may be made again.
    bool checkWorthRepeating(CodeVerdict verdict, qint64 bytesBefore) const;

    DeviceLink& m_link;
    QString m_failureText;
    int m_attempts = kSingleAttempt;
    bool m_codeAcceptedInTransaction = false;
};
