#include "mainwin/SettingsGrid.h"

namespace {

constexpr QChar kCR = u'\r';
constexpr QChar kLF = u'\n';
constexpr QChar kCRStandIn = QChar(9);
constexpr QChar kLFStandIn = QChar(8);
const QString kLineEnd = QStringLiteral("\r\n");
// More columns or rows than any settings grid needs: a broken file.
constexpr int kMaxCount = 100;
const QString kWidthPrefix = QStringLiteral("cw");
constexpr int kWidthIndexStart = 3; // "cw " then the column index

QString escapeCell(QString text)
{
    return text.replace(kCR, kCRStandIn).replace(kLF, kLFStandIn);
}

QString unescapeCell(QString text)
{
    return text.replace(kCRStandIn, kCR).replace(kLFStandIn, kLF);
}

std::optional<int> number(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

SettingsGrid::SettingsGrid(int columns, int rows, int defaultWidth)
    : m_columns(columns)
    , m_rows(rows)
    , m_widths(std::size_t(columns), defaultWidth)
    , m_cells(std::size_t(columns) * std::size_t(rows))
{
}

std::optional<QString> SettingsGrid::cell(int column, int row) const
{
    if (column < 0 || column >= m_columns || row < 0 || row >= m_rows)
        return std::nullopt;
    return m_cells[index(column, row)];
}

void SettingsGrid::setCell(int column, int row, const QString& text)
{
    if (column >= 0 && column < m_columns && row >= 0 && row < m_rows)
        m_cells[index(column, row)] = text;
}

QString SettingsGrid::toText() const
{
    QString text = QStringLiteral("%1,%2").arg(m_columns).arg(m_rows) + kLineEnd;
    for (int c = 0; c < m_columns; ++c)
        text += QStringLiteral("cw %1,%2").arg(c).arg(m_widths[std::size_t(c)]) + kLineEnd;
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (const QString& value = m_cells[index(c, r)]; !value.isEmpty())
                text += QStringLiteral("%1,%2,").arg(c).arg(r) + escapeCell(value) + kLineEnd;
    return text;
}

std::optional<SettingsGrid> SettingsGrid::fromText(const QString& text)
{
    // Lines end with CR LF as written, or with LF alone in a file edited by
    // hand; CR never stands inside a line, since cells carry it escaped.
    QStringList lines = text.split(kLF);
    for (QString& line : lines)
        if (line.endsWith(kCR))
            line.chop(1);
    // The remainder after the last line end, and any empty lines after it.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return std::nullopt;

    const QStringList counts = lines.takeFirst().split(u',');
    if (counts.size() != 2)
        return std::nullopt;
    const auto columns = number(counts[0]);
    const auto rows = number(counts[1]);
    if (!columns || !rows || *columns < 1 || *rows < 1 || *columns > kMaxCount || *rows > kMaxCount)
        return std::nullopt;

    SettingsGrid grid(*columns, *rows, 0);
    for (const QString& line : std::as_const(lines)) {
        if (line.startsWith(kWidthPrefix)) {
            const qsizetype comma = line.indexOf(u',');
            if (comma < 0)
                return std::nullopt;
            const auto column = number(QStringView(line).mid(kWidthIndexStart, comma - kWidthIndexStart));
            const auto width = number(QStringView(line).mid(comma + 1));
            if (!column || !width)
                return std::nullopt;
            if (*column >= 0 && *column < grid.m_columns)
                grid.m_widths[std::size_t(*column)] = *width;
            continue;
        }
        const qsizetype first = line.indexOf(u',');
        const qsizetype second = first < 0 ? -1 : line.indexOf(u',', first + 1);
        if (second < 0)
            return std::nullopt;
        const auto column = number(QStringView(line).left(first));
        const auto row = number(QStringView(line).mid(first + 1, second - first - 1));
        if (!column || !row)
            return std::nullopt;
        grid.setCell(*column, *row, unescapeCell(line.mid(second + 1)));
    }
    return grid;
}
