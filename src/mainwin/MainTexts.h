#pragma once

#include <QString>

// Texts of the main window.
namespace text {

inline const QString serialLinkOk = QStringLiteral(" Soros kapcsolat rendben.");
inline const QString portUnavailable = QStringLiteral(" Hiba: A COM port nem elérhető!");

} // namespace text
