#include "params/DigitCellRow.h"

#include <algorithm>

namespace params {

namespace {

bool isDecimal(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHex(QChar c)
{
    return isDecimal(c) || (c >= u'A' && c <= u'F');
}

// Keys and cells of a hexadecimal row are taken in upper case.
QChar normalised(QChar c, DigitKind kind)
{
    return kind == DigitKind::Hex ? c.toUpper() : c;
}

bool allowed(QChar c, DigitKind kind)
{
    return kind == DigitKind::Hex ? isHex(c) : isDecimal(c);
}

} // namespace

DigitCellRow::DigitCellRow(int columns, DigitKind kind)
    : m_kind(kind)
    , m_cells(std::size_t(std::max(columns, 1)))
{
}

void DigitCellRow::selectColumn(int column)
{
    m_selected = std::clamp(column, 0, columnCount() - 1);
}

QStringList DigitCellRow::cells() const
{
    return QStringList(m_cells.begin(), m_cells.end());
}

void DigitCellRow::setCells(const QStringList& values)
{
    for (int k = 0; k < columnCount(); ++k)
        m_cells[std::size_t(k)] = k < values.size() ? validatedCell(values.at(k), m_kind) : QString();
}

void DigitCellRow::keyPress(QChar key)
{
    if (key == kBackspace)
        backspace();
    else if (accepts(key))
        type(normalised(key, m_kind));
}

PasteResult DigitCellRow::paste(QStringView text)
{
    const QStringView digits = text.trimmed();
    if (digits.isEmpty())
        return PasteResult::Empty;
    if (!std::all_of(digits.begin(), digits.end(), [this](QChar c) { return accepts(c); }))
        return PasteResult::NotAllowed;
    if (digits.size() > columnCount() - m_selected)
        return PasteResult::TooLong;
    for (const QChar c : digits)
        type(normalised(c, m_kind));
    return PasteResult::Pasted;
}

QString DigitCellRow::validatedCell(QStringView value, DigitKind kind)
{
    if (value.isEmpty())
        return {};
    const QChar first = normalised(value.front(), kind);
    return allowed(first, kind) ? QString(first) : QString();
}

bool DigitCellRow::accepts(QChar key) const
{
    return allowed(normalised(key, m_kind), m_kind);
}

void DigitCellRow::backspace()
{
    if (m_selected > 0)
        --m_selected;
    // A telephone number ends at its first empty cell; a hexadecimal code
    // always has all its digits, so the cleared ones become "0".
    const QString cleared = m_kind == DigitKind::Hex ? QStringLiteral("0") : QString();
    std::fill(m_cells.begin() + m_selected, m_cells.end(), cleared);
}

void DigitCellRow::type(QChar digit)
{
    m_cells[std::size_t(m_selected)] = QString(digit);
    if (m_selected < columnCount() - 1)
        ++m_selected;
}

} // namespace params
