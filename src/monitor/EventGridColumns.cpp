#include "monitor/EventGridColumns.h"

namespace monitor {

EventGridTexts eventGridTexts(const QString& rowLabel, const EventRow& row)
{
    EventGridTexts cells;
    cells[kRowNumberColumn] = rowLabel;
    cells[kTimeColumn] = row.time;
    cells[kNameColumn] = row.name;
    cells[kWhoColumn] = row.who;
    for (int i = 0; i < kReportTargetCount; ++i)
        cells[std::size_t(kFirstTargetColumn + i)] = row.targets[std::size_t(i)];
    cells[kStatusColumn] = row.status;
    return cells;
}

EventGridTexts eventGridTexts(const EventListRow& row)
{
    return eventGridTexts(QString::number(row.serial), row.columns);
}

} // namespace monitor
