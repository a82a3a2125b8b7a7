#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// A made-up firmware for trying the update: its records as the module keeps
// them, and the ".GSF" file that carries them enciphered.
namespace simfirmware {

constexpr int kRecordSize = 66; // two header bytes and 64 data bytes
using Record = std::array<std::uint8_t, kRecordSize>;

// Line `line`'s record in plain: the header bytes give where its 64 bytes
// go (line × 64 in 16 bits, high byte first), the data bytes are a pattern.
Record demoRecord(int line);

// The file of `lines` records: per line ":", the seed, the two header bytes
// and the 64 data bytes enciphered with the seed's key stream, all as
// upper-case hex digits, then CR LF.
QByteArray demoFirmwareFile(int lines);

} // namespace simfirmware
