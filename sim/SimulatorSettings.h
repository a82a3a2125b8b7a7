#pragma once

#include "FaultSwitches.h"
#include "ModemSettings.h"
#include "VersionBlock.h"

#include <QString>

#include <optional>

// How a simulated module starts.
struct SimulatorSettings
{
    // Stored over the demo memory's installer code when set.
    std::optional<QString> installerCode;
    VersionTexts versions;
    FaultSwitches faults;
    // Output pacing in bits per second; 0 sends at once.
    int baudRate = 0;
    ModemSettings modem;
};
