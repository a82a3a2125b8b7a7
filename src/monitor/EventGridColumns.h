#pragma once

#include "monitor/EventList.h"
#include "monitor/EventRow.h"

#include <QString>
#include <QStringView>

#include <array>

// The fourteen columns both event grids share: a row number (or row label),
// the time, the event, the zone or user, the nine report targets and the
// status. The short event list's titles also head its CSV export.
namespace monitor {

inline constexpr int kEventGridColumns = 14;
inline constexpr int kRowNumberColumn = 0;
inline constexpr int kTimeColumn = 1;
inline constexpr int kNameColumn = 2;
inline constexpr int kWhoColumn = 3;
inline constexpr int kFirstTargetColumn = 4;
inline constexpr int kStatusColumn = kFirstTargetColumn + kReportTargetCount;
static_assert(kStatusColumn == kEventGridColumns - 1);
// The status column's width in both grids, wide enough for its title.
inline constexpr int kStatusColumnWidth = 46;

using EventGridTexts = std::array<QString, kEventGridColumns>;

inline constexpr std::array<QStringView, kEventGridColumns> kEventListTitles = {
    u"Sorszám", u"Időpont", u"Esemény", u"Zóna / Felhasználó", u"T1", u"T2", u"T3",
    u"T4",      u"S1",      u"S2",      u"S3",                 u"S4", u"Közp", u"Státusz",
};

// The row's cells in column order, `rowLabel` in column 0.
EventGridTexts eventGridTexts(const QString& rowLabel, const EventRow& row);

// A short event list row: its serial number, then the record's columns.
EventGridTexts eventGridTexts(const EventListRow& row);

} // namespace monitor
