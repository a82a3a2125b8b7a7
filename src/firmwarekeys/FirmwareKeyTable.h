#pragma once

#include <array>
#include <cstdint>

// The eight key bytes of the firmware key streams: firmware files are
// enciphered with them and the module deciphers what it receives with them.
// This is the one place that names them; the file reader, the module
// simulator and the tests all take them from here, so a module that uses
// other keys needs only this table replaced. Self-contained on purpose: the
// simulator includes it and nothing else of the program.
namespace firmware {

inline constexpr std::array<std::uint8_t, 8> kKeyTable = {0x5A, 0xC3, 0x17, 0x8E, 0x29, 0xF4, 0x6B, 0xD0};

} // namespace firmware
