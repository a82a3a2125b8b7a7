#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>

// Binary data on the line: each byte as two upper-case hexadecimal digits.
namespace hextext {

// The value of "0".."9" or "A".."F", or -1 for any other character
// (lower-case digits included).
int digitValue(char c);

void appendByte(QByteArray& out, std::uint8_t byte);

// The number written in upper-case hex digits, or nothing when a character
// is no such digit or `digits` is empty.
std::optional<std::uint32_t> number(QByteArrayView digits);

} // namespace hextext
