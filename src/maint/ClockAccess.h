#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

class DeviceLink;

// Reading the module's clock and setting it from this computer's clock, each
// one transaction on the link. Widget-free: progress and outcome texts go to
// a status sink, the caller shows the message boxes.
namespace maint {

enum class ClockOutcome {
    Done,
    NoLink,      // the port is closed; nothing was sent
    Busy,        // another transaction holds the link; nothing was sent
    LoginFailed, // see the link's failureText()
    Failed,      // no good clock block, or the write was refused or not answered
};

using StatusSink = std::function<void(const QString&)>;
using TimeSource = std::function<QDateTime()>;

struct ClockReading
{
    ClockOutcome outcome = ClockOutcome::Failed;
    // "A modul órája: ..." after Done.
    QString clockLine;
};

ClockReading ReadModuleClock(DeviceLink& link, const StatusSink& status);

// Takes the time from `now` once the installer code was accepted, and again
// for every further attempt the link allows.
ClockOutcome SetModuleClock(DeviceLink& link, const TimeSource& now, const StatusSink& status);

} // namespace maint
