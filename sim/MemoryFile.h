#pragma once

#include "ParameterMemory.h"

#include <QString>

#include <optional>

// A data file holds the 2048 bytes of the parameter memory, block 0 first,
// nothing else. Longer files are taken for their first 2048 bytes.
struct LoadedMemory
{
    std::optional<ParameterMemory> memory;
    QString error; // set when `memory` is not
};

LoadedMemory loadMemoryFile(const QString& path);
