#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QIODevice;

// The firmware file (".GSF"): text lines ended by CR (an LF right after the
// CR is skipped), read up to the end of the file or a character 26. Each line
// is one record: character 1 unused, 2-3 the seed of the file key stream,
// 4-5 and 6-7 two header bytes, 8-135 sixty-four enciphered data bytes, each
// byte two digits, high digit first.
namespace firmware {

constexpr int kMaxLines = 2048;
constexpr int kRecordChars = 135;
constexpr int kDataBytes = 64;
constexpr char kEndOfFile = 26;

// One line's bytes as the file holds them.
struct FirmwareLine
{
    std::uint8_t seed = 0;
    std::uint8_t header0 = 0;
    std::uint8_t header1 = 0;
    std::array<std::uint8_t, kDataBytes> data{};
};
using FirmwareLines = std::vector<FirmwareLine>;

// The value of a digit character: "A"-"F" 10-15, any character below "@"
// its code minus 48 (so ":" to "?" are 10-15 too), every other one 0.
int digitValue(char c);
// Sixteen times the high digit's value plus the low one's, modulo 256.
std::uint8_t digitPairValue(char high, char low);

struct FirmwareFile
{
    enum class Status { Good, Unreadable, ShortLine };

    Status status = Status::Good;
    // The first 2048 lines; empty unless Good.
    FirmwareLines lines;
    // ShortLine: the 1-based number of the first line that is no record (1
    // for a file without any record).
    int lineNumber = 0;
    // Unreadable: the system's error text.
    QString error;

    bool good() const { return status == Status::Good; }
};

// Reads records from `device` until its end, a character 26 or the 2048th
// line. Empty lines (or lines of blanks) after the last record are ignored;
// any other line shorter than 135 characters, an empty line before a record,
// or no record at all refuses the whole file. Only the first 135 characters
// of a line are kept, so an overlong line costs no memory.
FirmwareFile readFirmware(QIODevice& device);
FirmwareFile readFirmware(QByteArrayView contents);
FirmwareFile readFirmwareFile(const QString& path);

} // namespace firmware
