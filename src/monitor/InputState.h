#pragma once

#include "monitor/StatusTone.h"

#include <QString>

#include <optional>

// The state and loop texts of one alarm input, from its loop and wiring type
// digits in a status report.
namespace monitor {

// Wiring types as numbered by the zone editor.
namespace wire {
inline constexpr int kActiveOnShort = 0;
inline constexpr int kActiveOnOpen = 1;
inline constexpr int kDoubleEndOfLine = 2;
inline constexpr int kRadio = 3;
} // namespace wire

struct InputDisplay
{
    ToneText state;                 // upper label
    QString loop;                   // lower label
    std::optional<Tone> loopTone;   // empty: the lower label keeps its colour
};

// Loop text of a wired loop value: "Rövidzár", "1k", "2k", "Szakadás" or ".".
// The A and B inputs use it too.
QString wiredLoopText(int loop);

// `loop` and `type` are digit values (character code - 48), so any value may
// arrive; values outside the tables give "." texts.
InputDisplay inputDisplay(int loop, int type);

} // namespace monitor
