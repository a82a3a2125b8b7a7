#pragma once

#include "monitor/EventList.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <span>

// The short event list as comma-separated values (RFC 4180), for export.
namespace monitor {

// A field as it goes into a record: quoted, with its quotes doubled, when it
// holds a comma, a quote or a line break, or begins or ends with a blank (the
// names keep their leading blank, which lenient readers would trim).
QString csvField(QStringView text);

// UTF-8 text with CRLF line ends: a header record of the grid's column
// titles, then one record per row with the texts exactly as the grid shows
// them (an empty slot gives a record with only its serial number).
QByteArray eventListCsv(std::span<const EventListRow> rows);

} // namespace monitor
