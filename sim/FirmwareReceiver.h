#pragma once

#include "DemoFirmware.h"
#include "FaultSwitches.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The module's side of the firmware update: takes the frames written to
// block addresses 33 to 544 and, on the control block at 545, checks them
// against it (frame count, the frames present, their checksums summed in
// groups of four). When they agree it confirms with "FIRMWAREOK" and
// restarts: it forgets the frames and stays silent for a while.
class FirmwareReceiver
{
public:
    static constexpr int kFrameSize = 270;
    static constexpr std::uint16_t kFirstAddress = 33;
    static constexpr int kMaxFrames = 512;
    static constexpr std::uint16_t kControlAddress = kFirstAddress + kMaxFrames;
    static constexpr int kLinesPerFrame = 4;
    static constexpr int kDefaultRestartMs = 3000;

    using RawFrame = std::array<std::uint8_t, kFrameSize>;

    struct Answer
    {
        // False: the line is no firmware frame; it is left to the others.
        bool taken = false;
        // Empty when the module keeps silent.
        QByteArray reply;
        // The firmware was confirmed; the session ends with the restart.
        bool restart = false;
    };

    // `hexLine` is the line that followed "WRFL".
    Answer take(QByteArrayView hexLine, const FaultSwitches& faults);

    // Silent until this long after a confirmation.
    void setRestartMs(int ms) { m_restartMs = ms; }
    bool restarting() const { return !m_restartEnds.hasExpired(); }

    int framesHeld() const;
    // Line `line`'s record with the transfer's key stream undone, when its
    // frame has arrived.
    std::optional<simfirmware::Record> record(int line) const;

private:
    bool controlAgrees(const RawFrame& control) const;

    std::vector<std::optional<RawFrame>> m_frames = std::vector<std::optional<RawFrame>>(kMaxFrames);
    // The frame of the once-ignored fault has been ignored.
    bool m_ignoredOnce = false;
    int m_restartMs = kDefaultRestartMs;
    QDeadlineTimer m_restartEnds;
};
