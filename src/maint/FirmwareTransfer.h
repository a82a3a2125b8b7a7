#pragma once

#include "maint/FirmwareFrames.h"

#include <QString>

#include <functional>

class DeviceLink;

// Writes the firmware frames into the module one by one, each up to three
// times while it is not acknowledged, and sends the control block on which
// the module checks the firmware and restarts. Each is one transaction on
// the link. Widget-free: progress and outcome texts go to a status sink.
namespace firmware {

enum class TransferOutcome {
    Done,        // every frame acknowledged
    NoLink,      // the port is closed; nothing was sent
    Busy,        // another transaction holds the link; nothing was sent
    LoginFailed, // see failureText()
    FrameFailed, // a frame was not acknowledged after three attempts
    Stopped,     // stop was asked for; it takes effect when a wait ends
};

enum class CheckOutcome {
    Confirmed, // "FIRMWAREOK": the module restarts
    NoLink,
    Busy,
    LoginFailed,
    NotConfirmed,
};

class FirmwareTransfer
{
public:
    static constexpr int kAttempts = 3;

    using StatusSink = std::function<void(const QString&)>;
    // Called before the attempts of each frame, numbered from 0.
    using FrameSink = std::function<void(int frame)>;

    explicit FirmwareTransfer(DeviceLink& link);

    // Both work on their own copy of the frames: nothing the caller does
    // while they wait (loading another file) changes what reaches the module.
    TransferOutcome transfer(FirmwareImage image, const StatusSink& status, const FrameSink& frameStarted);
    CheckOutcome check(const FirmwareImage& image, const StatusSink& status);

    // Ends a running transfer before its next attempt; a running wait goes on.
    void requestStop() { m_stopRequested = true; }

    // The installer code check's text after LoginFailed.
    const QString& failureText() const;

private:
    // Up to three attempts while the frame is not acknowledged; false when
    // none was, or when stop cut the attempts short.
    bool sendFrame(const Frame& frame);

    DeviceLink& m_link;
    bool m_stopRequested = false;
};

} // namespace firmware
