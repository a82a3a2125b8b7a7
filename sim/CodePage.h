#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The module's texts are in the Central European code page, windows-1250:
// one byte per character.
namespace codepage {

// A character the code page cannot hold becomes "?".
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);

} // namespace codepage
