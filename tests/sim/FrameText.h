#pragma once

#include <QByteArray>

// Block frames spelt out in hex for the tests: 256 data bytes, eight spare
// bytes, the address (four digits) and the checksum (eight digits) in the
// order the frame carries them.
namespace frametext {

// `byteHex` (two digits) `count` times.
inline QByteArray repeated(const char* byteHex, int count)
{
    return QByteArray(byteHex).repeated(count);
}

inline QByteArray frame(const QByteArray& dataHex, const char* addressHex, const char* checksumHex)
{
    return dataHex + repeated("00", 8) + addressHex + checksumHex;
}

// The 256 data bytes of a frame line, from its hex digits.
inline QByteArray data(const QByteArray& line, int prefixLength = 4)
{
    return QByteArray::fromHex(line.mid(prefixLength, 512));
}

} // namespace frametext
