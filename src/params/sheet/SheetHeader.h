#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace params {

// Where and when the printed image comes from, for the head of the
// programming sheet. The image itself gives the customer account. An empty
// site prints blank, unknown versions as a dash.
struct SheetHeader
{
    QString site;                   // the installation, where known
    QDateTime date;                 // when the image was printed or archived
    QString programVersion;         // the module's, from its last version query
    std::optional<int> dataVersion; // likewise
};

} // namespace params
