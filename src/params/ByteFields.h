#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"

#include <QString>
#include <QStringView>

#include <array>

namespace params {

// A list or radio group with no item selected.
inline constexpr int kNoSelection = -1;

// One-byte settings shown by an up-down (Number) or a list (Choice).
// A number outside its range reads as the nearest bound, as an up-down
// would show it; a list index outside the list reads as kNoSelection.
int ReadByteField(const ParameterImage& image, const FieldRef& field);
// Numbers are kept within their range; a list index outside the list,
// kNoSelection among them, is written as 0xFF.
void WriteByteField(ParameterImage& image, const FieldRef& field, int value);

// Test report time as "HH:MM" from the hour and minute bytes. A byte above 99
// reads as 99, so that the text is always two digits, a colon, two digits.
QString ReadTestTime(const ParameterImage& image);
// The digits as typed: (c1 − "0")·10 + (c2 − "0") for the hour from
// characters 1–2 and the minute from 4–5, each cut to 8 bits, no range test.
// A blank or missing character counts as "0".
void WriteTestTime(ParameterImage& image, QStringView text);

// List indexes of buttons A..D of one remote control. A nibble beyond the
// nine functions reads as kNoSelection; kNoSelection (or any index outside
// the list) is written as nibble 15.
using RemoteButtons = std::array<int, kRemoteButtons>;
RemoteButtons ReadRemoteButtons(const ParameterImage& image, const FieldRef& field);
void WriteRemoteButtons(ParameterImage& image, const FieldRef& field, const RemoteButtons& buttons);

} // namespace params
