#pragma once

#include <QByteArrayView>

#include <array>
#include <cstdint>

namespace monitor {

inline constexpr int kReportTargetCount = 9; // T1..T4, S1..S4, central station

// One event as the module stores it, in its event memory and in the
// last-events status line alike.
struct EventRecord
{
    static constexpr int kSize = 8;

    std::array<std::uint8_t, kSize> bytes{};

    // The record at `offset`; bytes beyond the end of `data` read as 0.
    static EventRecord at(QByteArrayView data, qsizetype offset);

    constexpr int code() const { return bytes[0]; }
    constexpr int month() const { return bytes[1] >> 4; }
    // Zone or user number, read by the class of the event.
    constexpr int number() const { return bytes[1] & 0x0F; }
    constexpr int day() const { return bytes[2]; }
    constexpr int hour() const { return bytes[3]; }
    constexpr int minute() const { return bytes[4]; }

    // Target i in T1..T4, S1..S4 (bits of byte 6), then the central station
    // (bit 0 of byte 7).
    constexpr bool targetSet(int i) const
    {
        return i < 8 ? (bytes[6] >> i & 1) != 0 : (bytes[7] & kCentralStationBit) != 0;
    }
    constexpr bool stopped() const { return (bytes[7] & kStoppedBits) != 0; }
    constexpr bool delayed() const { return (bytes[7] & kDelayedBit) != 0; }
    // Some report of the event is still to be delivered.
    constexpr bool pending() const
    {
        return bytes[6] != 0 || (bytes[7] & kCentralStationBit) != 0;
    }

private:
    static constexpr std::uint8_t kCentralStationBit = 0x01;
    static constexpr std::uint8_t kStoppedBits = 0x0E;
    static constexpr std::uint8_t kDelayedBit = 0x10;
};

} // namespace monitor
