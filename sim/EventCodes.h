#pragma once

#include <cstdint>

// The codes the module logs its events under (byte 0 of an event record) and
// the numbers it logs with them (low nibble of byte 1).
namespace eventcode {

// Inputs 1..12: alarm 2n - 1, restore 2n.
constexpr std::uint8_t inputAlarm(int input) { return std::uint8_t(2 * input - 1); }
constexpr std::uint8_t inputRestore(int input) { return std::uint8_t(2 * input); }
// Partitions 1 and 2.
constexpr std::uint8_t armed(int partition) { return std::uint8_t(26 + partition); }
constexpr std::uint8_t disarmed(int partition) { return std::uint8_t(28 + partition); }

constexpr std::uint8_t kTamper = 25;
constexpr std::uint8_t kTamperRestore = 26;
constexpr std::uint8_t kTestReport = 31;
constexpr std::uint8_t kMainsFault = 32;
constexpr std::uint8_t kMainsRestored = 33;
constexpr std::uint8_t kBatteryLow = 34;
constexpr std::uint8_t kBatteryRestored = 35;
constexpr std::uint8_t kClockSet = 42;
constexpr std::uint8_t kProgrammed = 43;
constexpr std::uint8_t kSignalLow = 44;
constexpr std::uint8_t kSignalRestored = 45;

} // namespace eventcode

// Who a user event names: users 1..12, or one of these.
namespace eventuser {
constexpr int kNone = 0;
constexpr int kInstaller = 13;
constexpr int kAutomatic = 14;
} // namespace eventuser
