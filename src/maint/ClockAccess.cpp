#include "maint/ClockAccess.h"

#include "maint/ClockFrame.h"
#include "maint/ClockTexts.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"

namespace maint {

ClockReading ReadModuleClock(DeviceLink& link, const StatusSink& status)
{
    if (!link.isOpen())
        return {ClockOutcome::NoLink, {}};
    const auto transaction = link.beginTransaction();
    if (!transaction)
        return {ClockOutcome::Busy, {}};
    status(text::clockReading);
    BlockTransfer& blocks = link.blocks();
    ClockReading reading;
    if (!blocks.CheckInstallerCode())
        reading.outcome = ClockOutcome::LoginFailed;
    // A frame of another block (a late answer, a module confused) is no clock.
    else if (blocks.readBlock(frame::kClockAddress, BlockNumberCheck::Required))
        reading = {ClockOutcome::Done, clockText(link.frameBuffer())};
    status(reading.outcome == ClockOutcome::Done ? QString() : text::readFailed);
    return reading;
}

ClockOutcome SetModuleClock(DeviceLink& link, const TimeSource& now, const StatusSink& status)
{
    if (!link.isOpen())
        return ClockOutcome::NoLink;
    const auto transaction = link.beginTransaction();
    if (!transaction)
        return ClockOutcome::Busy;
    BlockTransfer& blocks = link.blocks();
    if (!blocks.CheckInstallerCode()) {
        status(text::clockSetFailed);
        return ClockOutcome::LoginFailed;
    }
    status(text::clockSetting);
    // "WRFLERR" ends the wait at once, like the acknowledgement. An attempt
    // made again takes the time afresh.
    const bool set = blocks.tried(
        [&] { return blocks.writeBlock(BuildClockFrame(now()), WriteConfirmation::AcknowledgedOrFailed); });
    status(set ? text::clockSet : text::clockSetFailed);
    return set ? ClockOutcome::Done : ClockOutcome::Failed;
}

} // namespace maint
