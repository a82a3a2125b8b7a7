#include "EventHistory.h"

#include "EventCodes.h"

#include <array>

namespace {

struct PastEvent
{
    int daysAgo;
    int hour;
    int minute;
    std::uint8_t code;
    int number;
    std::uint8_t flags = 0;
};

using namespace eventcode;
using eventuser::kAutomatic;
using eventuser::kInstaller;
using eventuser::kNone;
constexpr std::uint8_t kStopped = recordflag::kStopped;

// clang-format off
constexpr std::array kPast = {
    PastEvent{7,  6, 55, disarmed(1), 1}, PastEvent{7,  7, 40, armed(1), 2},
    PastEvent{7, 12,  0, kTestReport, kNone}, PastEvent{7, 17,  5, disarmed(1), 3},
    PastEvent{7, 22, 30, armed(2), 6},
    PastEvent{6,  6, 50, disarmed(2), 6}, PastEvent{6,  7, 35, armed(1), 1},
    PastEvent{6, 10, 12, inputAlarm(1), 1, kStopped}, PastEvent{6, 10, 14, inputRestore(1), 1},
    PastEvent{6, 10, 20, disarmed(1), 1}, PastEvent{6, 12,  0, kTestReport, kNone},
    PastEvent{6, 23, 10, armed(2), 4},
    PastEvent{5,  3, 17, kMainsFault, kNone}, PastEvent{5,  4,  2, kMainsRestored, kNone},
    PastEvent{5,  7, 15, disarmed(2), 4}, PastEvent{5,  8,  0, armed(1), 5},
    PastEvent{5, 12,  0, kTestReport, kNone}, PastEvent{5, 16, 45, disarmed(1), 5},
    PastEvent{4,  9, 30, kProgrammed, kInstaller}, PastEvent{4,  9, 31, kClockSet, kNone},
    PastEvent{4, 12,  0, kTestReport, kNone}, PastEvent{4, 18, 20, armed(1), 7},
    PastEvent{4, 18, 21, armed(2), 7},
    PastEvent{3,  2, 48, inputAlarm(7), 7}, PastEvent{3,  2, 51, inputRestore(7), 7},
    PastEvent{3,  6, 30, disarmed(1), 8}, PastEvent{3,  6, 31, disarmed(2), 8},
    PastEvent{3, 12,  0, kTestReport, kNone},
    PastEvent{2,  1,  5, kSignalLow, kNone}, PastEvent{2,  1, 20, kSignalRestored, kNone},
    PastEvent{2,  7, 50, armed(1), 3}, PastEvent{2, 12,  0, kTestReport, kNone},
    PastEvent{2, 16, 40, disarmed(1), 3}, PastEvent{2, 22,  0, armed(1), kAutomatic},
    PastEvent{1,  6, 45, disarmed(1), 2}, PastEvent{1, 12,  0, kTestReport, kNone},
    PastEvent{1, 19, 15, armed(2), 12}, PastEvent{1, 21,  5, disarmed(2), 12},
};
// clang-format on

} // namespace

void logHistory(EventMemory& memory, const QDateTime& now)
{
    for (const PastEvent& past : kPast) {
        const QDateTime when(now.date().addDays(-past.daysAgo), QTime(past.hour, past.minute));
        memory.log(eventRecord(past.code, past.number, when, 0, past.flags));
    }
}
