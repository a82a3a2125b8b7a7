#pragma once

#include "link/Ticks.h"

// The tests run the program's clock fast: waits keep their tick counts but a
// tick lasts this long.
constexpr int kTestTickMs = 10;

inline void useTestTicks()
{
    ticks::setLengthMs(kTestTickMs);
}
