#pragma once

#include <QString>

namespace monitor {

// The colour a status label takes; the window maps it to its palette (green
// for normal or on, red for alarm, tamper, overcurrent or armed, black for
// off, grey for a value the module did not report).
enum class Tone { Green, Red, Black, Grey };

struct ToneText
{
    QString text;
    Tone tone = Tone::Black;

    friend bool operator==(const ToneText&, const ToneText&) = default;
};

} // namespace monitor
