#pragma once

#include "ParameterMemory.h"

#include "monitor/EventRecord.h"

#include <QDateTime>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A record as the module logs it: the code, the zone or user number, the
// time from the module's clock, and the report targets still to be served.
monitor::EventRecord eventRecord(std::uint8_t code, int number, const QDateTime& when,
                                 std::uint8_t targets = 0, std::uint8_t flags = 0);

// Bits of byte 7 of a record.
namespace recordflag {
constexpr std::uint8_t kCentralStation = 0x01;
constexpr std::uint8_t kStopped = 0x02;
} // namespace recordflag

// The module's event memory: a ring of 96 records and the index of the
// newest one, read as the four blocks F000..F003 (records from byte 0, the
// newest index at byte 768, zeros after it).
class EventMemory
{
public:
    static constexpr int kRecords = 96;
    static constexpr int kNewestIndexAt = kRecords * monitor::EventRecord::kSize;
    static constexpr std::uint16_t kFirstBlock = 0xF000;
    static constexpr int kBlocks = 4;

    // Writes the record after the newest one, over the oldest.
    void log(const monitor::EventRecord& record);

    int newestIndex() const { return m_newest; }
    monitor::EventRecord& record(int index) { return m_records.at(std::size_t(index)); }
    const monitor::EventRecord& record(int index) const { return m_records.at(std::size_t(index)); }

    // The `count` newest records, newest first.
    std::vector<monitor::EventRecord> newest(int count) const;

    // The data of block F000 + n, or nothing for an address outside the memory.
    std::optional<BlockBytes> block(std::uint16_t address) const;

private:
    std::array<monitor::EventRecord, kRecords> m_records{};
    // An empty memory: the first record goes to index 0.
    int m_newest = kRecords - 1;
};
