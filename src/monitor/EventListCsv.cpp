#include "monitor/EventListCsv.h"

#include "monitor/EventGridColumns.h"

#include <QStringList>

namespace monitor {

namespace {
constexpr QChar kSeparator = u',';
constexpr QChar kQuote = u'"';
constexpr QStringView kLineEnd = u"\r\n";

bool needsQuotes(QStringView text)
{
    return text.contains(kSeparator) || text.contains(kQuote) || text.contains(u'\r') || text.contains(u'\n');
}

template <typename Texts>
void appendRecord(QString& out, const Texts& fields)
{
    bool first = true;
    for (const auto& field : fields) {
        if (!first)
            out += kSeparator;
        out += csvField(field);
        first = false;
    }
    out += kLineEnd;
}
} // namespace

QString csvField(QStringView text)
{
    const QStringView value = text.trimmed();
    if (!needsQuotes(value))
        return value.toString();
    QString quoted = value.toString();
    quoted.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + quoted + kQuote;
}

QByteArray eventListCsv(std::span<const EventListRow> rows)
{
    QString out;
    appendRecord(out, kEventListTitles);
    for (const EventListRow& row : rows)
        if (!row.columns.isEmpty())
            appendRecord(out, eventGridTexts(row));
    return out.toUtf8();
}

} // namespace monitor
