#pragma once

#include "ParameterMemory.h"

#include <QDateTime>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Bits of byte 7 of a record.
namespace recordflag {
constexpr std::uint8_t kCentralStation = 0x01;
constexpr std::uint8_t kStopped = 0x02;
} // namespace recordflag

// One event as the module stores it, in 8 bytes: the code; the month in the
// high nibble and the zone or user number in the low nibble; day, hour,
// minute; a spare byte; the report targets still to be served (T1-T4, S1-S4,
// one bit each) and the flags of byte 7.
struct LoggedEvent
{
    static constexpr int kSize = 8;
    static constexpr int kTargetsAt = 6;
    static constexpr int kFlagsAt = 7;

    std::array<std::uint8_t, kSize> bytes{};

    std::uint8_t code() const { return bytes[0]; }
    // Reports still to be served, to a telephone or the central station.
    bool pending() const { return bytes[kTargetsAt] != 0 || (bytes[kFlagsAt] & recordflag::kCentralStation) != 0; }

    // Bits 1 to 3 of byte 7: the reports of this event were stopped.
    bool stopped() const { return (bytes[kFlagsAt] & 0x0E) != 0; }

    friend bool operator==(const LoggedEvent&, const LoggedEvent&) = default;
};

// A record as the module logs it: the code, the zone or user number, the
// time from the module's clock, and the report targets still to be served.
LoggedEvent eventRecord(std::uint8_t code, int number, const QDateTime& when, std::uint8_t targets = 0,
                        std::uint8_t flags = 0);

// The module's event memory: a ring of 96 records and the index of the
// newest one, read as the four blocks F000..F003 (records from byte 0, the
// newest index at byte 768, zeros after it).
class EventMemory
{
public:
    static constexpr int kRecords = 96;
    static constexpr int kNewestIndexAt = 768;
    static constexpr std::uint16_t kFirstBlock = moduleframe::kFirstEventBlock;
    static constexpr int kBlocks = 4;

    // Writes the record after the newest one, over the oldest.
    void log(const LoggedEvent& record);

    int newestIndex() const { return m_newest; }
    LoggedEvent& record(int index) { return m_records.at(std::size_t(index)); }
    const LoggedEvent& record(int index) const { return m_records.at(std::size_t(index)); }

    // The `count` newest records, newest first.
    std::vector<LoggedEvent> newest(int count) const;

    // The data of block F000 + n, or nothing for an address outside the memory.
    std::optional<BlockBytes> block(std::uint16_t address) const;

private:
    std::array<LoggedEvent, kRecords> m_records{};
    // An empty memory: the first record goes to index 0.
    int m_newest = kRecords - 1;
};
