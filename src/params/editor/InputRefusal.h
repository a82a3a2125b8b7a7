#pragma once

#include <QString>

class QWidget;

// Why a paste into an editor control was refused; nothing of it was taken.
inline const QString kPasteTooLong = QStringLiteral("A beillesztett szöveg nem fér el.");
inline const QString kPasteNotAllowed = QStringLiteral("A beillesztett szöveg nem megengedett karaktert tartalmaz.");

// Says why input into `control` was refused: in the status bar of its window,
// or with a beep where the window has none.
void reportRefusedInput(QWidget& control, const QString& why);
