#pragma once

#include "FirmwareKeyTable.h"

#include <cstdint>
#include <span>

// The firmware key streams as the module runs them: the index starts at
// `start` and advances by m + 3 + `stride` before byte m, which is XORed with
// the key at the index modulo 8. Files are enciphered with the seed's stream
// (start seed mod 16, stride seed div 16), the transfer with the line's
// (start line mod 16, stride (line div 16) mod 16). XOR undoes itself.
namespace simfirmware {

inline void runKeyStream(std::span<std::uint8_t> bytes, int start, int stride)
{
    int index = start;
    for (std::size_t m = 0; m < bytes.size(); ++m) {
        index = (index + int(m) + 3 + stride) & 0xFF;
        bytes[m] ^= firmware::kKeyTable[std::size_t(index) & 7];
    }
}

inline void runSeedStream(std::span<std::uint8_t> bytes, std::uint8_t seed)
{
    runKeyStream(bytes, seed & 0x0F, seed >> 4);
}

inline void runLineStream(std::span<std::uint8_t> bytes, int line)
{
    runKeyStream(bytes, line & 0x0F, (line >> 4) & 0x0F);
}

} // namespace simfirmware
