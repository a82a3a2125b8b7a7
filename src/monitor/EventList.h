#pragma once

#include "monitor/EventNames.h"
#include "monitor/EventRow.h"

#include <QByteArrayView>

#include <array>

// The short event list: the module's 96-record event memory shown newest
// first with the user and zone names.
namespace monitor {

inline constexpr int kEventMemoryRecords = 96;
inline constexpr int kEventMemorySize = 4 * 256;  // blocks F000..F003
inline constexpr int kNewestIndexAt = kEventMemoryRecords * EventRecord::kSize; // byte 768
inline constexpr int kEventGridRows = 90;         // the six oldest records are not shown

struct EventListRow
{
    int serial = 0;  // column 0: the row number, 1 = newest
    int record = 0;  // which of the 96 records the row shows
    EventRow columns;
};

// Record indexes for the grid rows, starting at `newest` and going back
// through the ring. A newest index above 95 cannot come from a sound memory;
// it is read as 95, as if the ring had just wrapped, so that every row still
// shows one of the 96 records.
std::array<int, kEventGridRows> eventRingOrder(int newest);

// Zone / user column: the number, ". " and the stored name (or "LCD-Kezelő",
// "Telepítő", "Automat."), empty for system events.
QString eventListWho(const EventRecord& record, const StoredNames& names);

// The grid rows for the event memory; bytes missing from `eventMemory` read
// as 0. An empty slot gives a wholly empty row.
std::array<EventListRow, kEventGridRows> eventListRows(QByteArrayView eventMemory, const StoredNames& names);

} // namespace monitor
