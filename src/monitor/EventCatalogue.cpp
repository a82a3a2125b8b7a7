#include "monitor/EventCatalogue.h"

#include <QStringView>

#include <algorithm>

namespace monitor {

QString eventRowLabel(int entry)
{
    return QString::asprintf("%.2d. ", entry).append(QStringView(eventName(entry)));
}

QStringList eventRowLabels(int count)
{
    const int rows = std::clamp(count, 0, kCatalogueSize);
    QStringList labels;
    labels.reserve(rows);
    for (int entry = 1; entry <= rows; ++entry)
        labels.append(eventRowLabel(entry));
    return labels;
}

} // namespace monitor
