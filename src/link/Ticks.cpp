#include "link/Ticks.h"

#include <atomic>

namespace ticks {
namespace {
std::atomic<int> g_lengthMs{kDefaultLengthMs};
}

int lengthMs() { return g_lengthMs.load(); }

void setLengthMs(int ms) { g_lengthMs.store(ms > 0 ? ms : kDefaultLengthMs); }

} // namespace ticks
