#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"

#include <QString>

#include <array>

namespace params {

// One-character grid cells, cell k for byte k of the field.
using ContactIdCells = std::array<QString, kContactIdDigits>;
using AccountCells = std::array<QString, kAccountDigits>;
using PhoneCells = std::array<QString, kPhoneDigits>;

// Contact-ID code: the low nibble of each byte as "0".."9", "A".."F".
ContactIdCells ReadContactId(const ParameterImage& image, const FieldRef& field);
// A cell whose first character is "0".."9" or "A".."F" gives that value,
// any other cell 0; the high nibble is written 0.
void WriteContactId(ParameterImage& image, const FieldRef& field, const ContactIdCells& cells);

// Customer account: the whole byte is the digit. A byte above 15 is no hex
// digit and shows an empty cell, which is written back as 0.
AccountCells ReadAccount(const ParameterImage& image, const FieldRef& field);
void WriteAccount(ParameterImage& image, const FieldRef& field, const AccountCells& cells);

// Telephone number: ASCII digits, 0x00 for an empty cell. An all-zero field
// shows sixteen empty cells, and any byte that is no digit an empty cell.
PhoneCells ReadDigits(const ParameterImage& image, const FieldRef& field);
void WriteDigits(ParameterImage& image, const FieldRef& field, const PhoneCells& cells);

} // namespace params
