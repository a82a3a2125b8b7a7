#pragma once

// An event memory and name blocks of a known content, and serving them from a
// scripted module.

#include "MonitorTestLines.h"
#include "ScriptedModule.h"

#include "link/Cp1250.h"
#include "monitor/EventList.h"

#include <QByteArray>

#include <optional>

namespace testmemory {

inline constexpr std::uint16_t kFirstEventBlock = 0xF000;
inline constexpr int kEventBlocks = 4;
inline constexpr int kNameBlocks = 3;

inline QByteArray withRecords(const QList<std::pair<int, QByteArray>>& records, int newest)
{
    QByteArray memory(monitor::kEventMemorySize, '\0');
    for (const auto& [k, bytes] : records)
        memory.replace(k * monitor::EventRecord::kSize, bytes.size(), bytes);
    memory[monitor::kNewestIndexAt] = char(newest);
    return memory;
}

// Newest record 2; the ring wraps from record 0 to 95, record 9 is the
// oldest shown and records 3 to 8 are not.
inline QByteArray sampleEvents()
{
    using testlines::recordBytes;
    return withRecords({
                           {2, recordBytes({27, 0x33, 15, 8, 5, 0, 0x01, 0x00})},  // user 3 arms, T1 pending
                           {1, recordBytes({1, 0x30, 1, 0, 0, 0, 0x02, 0x04})},    // keypad zone, stopped
                           {0, recordBytes({31, 0x10, 2, 3, 4, 0, 0x00, 0x00})},   // test report
                           {95, recordBytes({0, 0x33, 15, 8, 5, 0, 0xFF, 0xFF})},  // empty slot
                           {94, recordBytes({29, 0x2D, 10, 11, 12, 0, 0, 0x10})},  // installer, delayed
                           {93, recordBytes({2, 0x25, 5, 6, 7, 0, 0x00, 0x01})},   // zone 5, central station
                           {9, recordBytes({33, 0x11, 1, 1, 1, 0, 0x00, 0x00})},   // oldest shown
                           {8, recordBytes({32, 0x11, 1, 1, 1, 0, 0x00, 0x00})},   // not shown
                       },
                       2);
}

// The same ring with other events, to tell two downloads apart.
inline QByteArray otherEvents()
{
    using testlines::recordBytes;
    QByteArray memory(monitor::kEventMemorySize, '\0');
    for (int k = 0; k < monitor::kEventMemoryRecords; ++k)
        memory.replace(k * 8, 8, recordBytes({44, 0x12, 3, 4, 5, 0, 0, 0}));
    memory[monitor::kNewestIndexAt] = char(50);
    return memory;
}

inline void placeName(QByteArray& blocks, int at, QByteArrayView field)
{
    blocks.replace(at, field.size(), field.toByteArray());
}

// User 3 "Kovács" padded with zero bytes; zone 1 "Bejárat" padded with
// blanks; zone 2 all zero; zone 3 with a zero byte inside; zone 4 all
// blanks; zone 5 "Garázs" padded with blanks.
inline QByteArray sampleNames()
{
    QByteArray blocks(monitor::kNameBlocksSize, '\0');
    const auto zone = [](int j) { return monitor::kZoneNameFirst + (j - 1) * monitor::kZoneNameStride; };
    placeName(blocks, monitor::kUserNameFirst + 2 * monitor::kUserNameStride, toCp1250(u"Kovács"));
    placeName(blocks, zone(1), toCp1250(u"Bejárat   "));
    placeName(blocks, zone(3), QByteArray("Ab\0c      ", 10));
    placeName(blocks, zone(4), QByteArray(10, ' '));
    placeName(blocks, zone(5), toCp1250(u"Garázs    "));
    return blocks;
}

// A fault in one block of a download.
struct BlockFault
{
    enum Kind { None, WrongNumber, BadChecksum, NoAnswer, Refused };
    Kind kind = None;
    int block = -1;
};

inline QByteArray spoiledChecksum(QByteArray reply)
{
    // The first data digit changes; the checksum no longer matches.
    reply[4] = reply[4] == '0' ? '1' : '0';
    return reply;
}

inline void serveBlocks(ScriptedModule& script, std::uint16_t first, int count, QByteArrayView data,
                        BlockFault fault = {})
{
    for (int n = 0; n < count; ++n) {
        const auto address = std::uint16_t(first + n);
        const QByteArrayView block = data.sliced(n * 256, 256);
        if (n != fault.block || fault.kind == BlockFault::None) {
            script.serveBlock(address, block);
            continue;
        }
        switch (fault.kind) {
        case BlockFault::WrongNumber: script.serveBlock(address, block, std::uint16_t(address + 1)); break;
        case BlockFault::BadChecksum:
            script.answer(readRequestLine(address), {spoiledChecksum(ScriptedModule::blockReply(block, address))});
            break;
        case BlockFault::NoAnswer: script.answer(readRequestLine(address), {}); break;
        case BlockFault::Refused: script.answer(readRequestLine(address), {"PWDERR"}); break;
        case BlockFault::None: break;
        }
    }
}

inline void serveEvents(ScriptedModule& script, QByteArrayView memory, BlockFault fault = {})
{
    serveBlocks(script, kFirstEventBlock, kEventBlocks, memory, fault);
}

inline void serveNames(ScriptedModule& script, QByteArrayView blocks, BlockFault fault = {})
{
    serveBlocks(script, 0, kNameBlocks, blocks, fault);
}

inline QByteArrayList requests(std::uint16_t first, int count)
{
    QByteArrayList lines;
    for (int n = 0; n < count; ++n)
        lines << readRequestLine(std::uint16_t(first + n));
    return lines;
}

} // namespace testmemory

Q_DECLARE_METATYPE(testmemory::BlockFault)
