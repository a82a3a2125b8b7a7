#pragma once

#include "monitor/EventList.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <span>

// The short event list as comma-separated values (RFC 4180), for export.
namespace monitor {

// A field as it goes into a record: without the blanks around it (the grid's
// padding and the names' leading blank are no part of the value), quoted,
// with its quotes doubled, when it holds a comma, a quote or a line break.
QString csvField(QStringView text);

// UTF-8 text with CRLF line ends: a header record of the grid's column
// titles, then one record per row that holds an event, with the grid's texts
// and its row number, so that a spreadsheet still sorts them as the grid.
// The rows of empty slots are left out.
QByteArray eventListCsv(std::span<const EventListRow> rows);

} // namespace monitor
