#pragma once

#include <QString>

// The name a screen reader gives a control of an editor table: its row and its
// column title, for example "3. Zóna – Belépési késlelt.". Blanks that line up
// the visible captions are left out.
inline QString cellAccessibleName(const QString& row, const QString& column)
{
    return row.trimmed() + QStringLiteral(" – ") + column.trimmed();
}

// A caption as part of an accessible name: without the colon that leads to
// its entry box ("RELE 1 :" gives "RELE 1").
inline QString captionName(const QString& caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}
