#pragma once

#include "monitor/EventRow.h"

#include <QByteArrayView>

#include <array>

// The module's "AT_{" line: its last eight events as hexadecimal records.
namespace monitor {

inline constexpr int kLastEventCount = 8;

// Record r (0..7) of the line. A pair holding anything but "0"-"9" and
// upper-case "A"-"F", or reaching past the end of the line, gives byte 0.
EventRecord lastEventRecord(QByteArrayView line, int r);

// Zone / user column of the status window's grid: "Z=n", "F=n" or "--".
QString lastEventWho(const EventRecord& record);

// The eight grid rows, first record on top; empty rows for empty slots.
std::array<EventRow, kLastEventCount> parseLastEvents(QByteArrayView line);

} // namespace monitor
