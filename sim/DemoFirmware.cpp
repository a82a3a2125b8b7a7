#include "DemoFirmware.h"

#include "FirmwareCipher.h"

#include <span>

namespace simfirmware {

namespace {

constexpr int kBytesPerLine = 64;
constexpr char kDigits[] = "0123456789ABCDEF";

void appendHex(QByteArray& out, std::uint8_t byte)
{
    out.append(kDigits[byte >> 4]);
    out.append(kDigits[byte & 0x0F]);
}

std::uint8_t seedOf(int line)
{
    return std::uint8_t(line * 37 + 11);
}

} // namespace

Record demoRecord(int line)
{
    Record record{};
    const int target = line * kBytesPerLine;
    record[0] = std::uint8_t(target >> 8);
    record[1] = std::uint8_t(target);
    for (int m = 0; m < kBytesPerLine; ++m)
        record[std::size_t(2 + m)] = std::uint8_t((target + m) * 73 + 41);
    return record;
}

QByteArray demoFirmwareFile(int lines)
{
    QByteArray file;
    for (int line = 0; line < lines; ++line) {
        Record record = demoRecord(line);
        const std::uint8_t seed = seedOf(line);
        runSeedStream(std::span(record).subspan(2), seed);
        file.append(':');
        appendHex(file, seed);
        for (std::uint8_t byte : record)
            appendHex(file, byte);
        file.append("\r\n");
    }
    return file;
}

} // namespace simfirmware
