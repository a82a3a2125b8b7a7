#pragma once

#include "FaultSwitches.h"
#include "ModemSettings.h"
#include "VersionBlock.h"

#include "ParameterMemory.h"

#include <QString>

#include <cstdint>
#include <optional>

// How a simulated module starts.
struct SimulatorSettings
{
    // The parameters to start with; the demo memory when not set.
    std::optional<ParameterMemory> memory;
    // Stored over the starting memory's installer code when set.
    std::optional<QString> installerCode;
    VersionTexts versions;
    FaultSwitches faults;
    // Output pacing in bits per second; 0 sends at once.
    int baudRate = 0;
    ModemSettings modem;
    // Form 1..4 of the status report.
    int statusForm = 4;
    // Whether the module's state changes by itself over time, and the seed
    // of that course of changes (a fresh one when not set).
    bool live = true;
    std::optional<std::uint32_t> seed;
    // Probability that a byte crossing the line, either way, is damaged (0:
    // a clean line), and the seed of where (a fresh one when not set).
    double noiseRate = 0;
    std::optional<std::uint32_t> noiseSeed;
};
