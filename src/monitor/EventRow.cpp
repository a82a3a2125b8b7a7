#include "monitor/EventRow.h"

#include "monitor/EventCatalogue.h"

#include <QStringView>

#include <algorithm>

namespace monitor {

namespace {
constexpr QStringView kTargetSet = u"X";
constexpr QStringView kTargetClear = u"-";
constexpr QStringView kStatusStopped = u"STOP";
constexpr QStringView kStatusDone = u"OK.";
constexpr QStringView kStatusDelayed = u"Késl.";
constexpr QStringView kStatusActive = u"Aktív";
} // namespace

bool EventRow::isEmpty() const
{
    return time.isEmpty() && name.isEmpty() && who.isEmpty() && status.isEmpty()
        && std::all_of(targets.begin(), targets.end(), [](const QString& t) { return t.isEmpty(); });
}

QString eventTimeText(const EventRecord& record)
{
    return QString::asprintf("%.2d/%.2d - %.2d:%.2d", record.month(), record.day(), record.hour(),
                             record.minute());
}

std::array<QString, kReportTargetCount> eventTargetTexts(const EventRecord& record)
{
    std::array<QString, kReportTargetCount> texts;
    for (int i = 0; i < kReportTargetCount; ++i)
        texts[std::size_t(i)] = (record.targetSet(i) ? kTargetSet : kTargetClear).toString();
    return texts;
}

QString eventStatusText(const EventRecord& record)
{
    // A stop outranks a delay; a stopped event that still has reports to
    // deliver reads "STOP", one that has none left reads "OK.".
    if (record.stopped())
        return (record.pending() ? kStatusStopped : kStatusDone).toString();
    if (record.delayed())
        return kStatusDelayed.toString();
    return (record.pending() ? kStatusActive : kStatusDone).toString();
}

EventRow eventRow(const EventRecord& record)
{
    EventRow row;
    if (!isLoggedEventCode(record.code()))
        return row;
    row.time = eventTimeText(record);
    row.name = QStringView(eventName(record.code())).toString();
    row.targets = eventTargetTexts(record);
    row.status = eventStatusText(record);
    return row;
}

} // namespace monitor
