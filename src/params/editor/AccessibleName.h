#pragma once

#include <QString>

// The name a screen reader gives a control of an editor table: its row and its
// column title, for example "3. Zóna – Belépési késlelt.". Blanks that line up
// the visible captions are left out.
inline QString cellAccessibleName(const QString& row, const QString& column)
{
    return row.trimmed() + QStringLiteral(" – ") + column.trimmed();
}
