#pragma once

#include "link/Commands.h"

#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <optional>

// The radio report "AT_<": 40 bytes as upper-case hex pairs after the prefix,
// closed by ">" as the 85th character; anything after it is ignored.
namespace maint {

constexpr int kRadioSlots = command::kRadioPlaces;
constexpr int kRadioSignalMax = 63;

// Bits of a slot's state byte.
namespace slotbit {
constexpr std::uint8_t kTaught = 0x01;
constexpr std::uint8_t kTeaching = 0x02;
constexpr std::uint8_t kLowSupply = 0x04;
constexpr int kValueShift = 3;
constexpr std::uint8_t kValueMask = 0x0F;
constexpr std::uint8_t kRed = 0x80;
} // namespace slotbit

struct RadioReport
{
    // State bytes of slots 0-35. The teaching bit is set only on the slot
    // that the teach byte names, whatever the module sent in these bytes.
    std::array<std::uint8_t, kRadioSlots> states{};
    std::uint8_t signalStrength = 0; // the last radio signal, 0-63
};

// Nothing for a line shorter than 85 characters or without its ">"; a pair
// that is not two upper-case hex digits counts as the byte 0.
std::optional<RadioReport> DecodeRadioReport(QByteArrayView line);

} // namespace maint
