#pragma once

#include "monitor/EventRecord.h"

#include <QString>

#include <array>

// The display rules both event grids apply to one record.
namespace monitor {

// Columns 1 to 13 of an event grid row; every text is empty in an empty row.
struct EventRow
{
    QString time;
    QString name;
    QString who; // zone / user column, filled by each grid after its own rule
    std::array<QString, kReportTargetCount> targets;
    QString status;

    bool isEmpty() const;
};

// "%.2d/%.2d - %.2d:%.2d" with month, day, hour and minute.
QString eventTimeText(const EventRecord& record);

// "X" for a set target bit, "-" for a clear one, T1..T4, S1..S4, central station.
std::array<QString, kReportTargetCount> eventTargetTexts(const EventRecord& record);

// "STOP", "OK.", "Késl." or "Aktív".
QString eventStatusText(const EventRecord& record);

// A logged event's time, name, targets and status with the zone / user column
// left empty; an empty row for codes 0 and 48 and above.
EventRow eventRow(const EventRecord& record);

} // namespace monitor
