#pragma once

#include "monitor/InputState.h"
#include "monitor/StatusTone.h"
#include "monitor/SupplyVoltage.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// The module's "AT_[" status report, decoded into the texts and tones of the
// status window's labels.
namespace monitor {

inline constexpr int kInputCount = 12;
inline constexpr int kRelayCount = 3;
inline constexpr int kGsmSignalMax = 31;

struct StatusReport
{
    int form = 1; // 1 to 4, from the line's length; longer forms carry more fields

    std::array<InputDisplay, kInputCount> inputs;   // IN1..IN12
    std::array<QString, 2> armingInputLoops;        // the "A" and "B" inputs
    SupplyVoltages voltages;                        // see supplyVoltageText()
    std::array<ToneText, 2> partitions;             // "Élesítve" / "Kikapcsolva"
    std::array<ToneText, 2> outputs;                // OUT1, OUT2
    ToneText keypadSupply;
    ToneText fixedSupply;
    std::array<ToneText, kRelayCount> relays;
    int gsmSignal = 0;                              // 0..31 as sent; a character below "0" gives a negative value
    ToneText mains;                                 // "?" in grey when not reported
    QString temperature;                            // empty when not reported
};

// The decoded report, or nothing when the line has none of the four lengths,
// a misplaced separator or no closing "]": such a report changes nothing.
std::optional<StatusReport> parseStatusReport(QByteArrayView line);

} // namespace monitor
