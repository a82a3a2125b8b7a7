#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"

#include <QString>
#include <QStringView>

namespace params {

// What a code field with no digit at all shows.
inline const QString kNoCodeText = QStringLiteral("******");

// Names (10) and SMS texts (20): bytes 0x00 and 0xFF are skipped, the rest is
// windows-1250, trailing spaces are dropped.
QString ReadText(const ParameterImage& image, const FieldRef& field);
// Exactly field.size bytes: the text in windows-1250 ("?" for a character the
// code page lacks), cut to the field, padded with spaces.
void WriteText(ParameterImage& image, const FieldRef& field, QStringView text);

// User and installer codes: six nibbles, high nibble first; nibble v != 0 is
// the digit 15 − v, a zero nibble is no digit. No digit at all reads "******".
QString ReadCode(const ParameterImage& image, const FieldRef& field);
// Position p of the text: a digit d gives nibble 15 − d, anything else
// (or no character) nibble 0.
void WriteCode(ParameterImage& image, const FieldRef& field, const QString& text);

} // namespace params
