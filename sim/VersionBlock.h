#pragma once

#include "ParameterMemory.h"

#include <QByteArray>

// The texts the module reports in its version block (address FFFF).
struct VersionTexts
{
    static constexpr QByteArrayView kDefaultProgram = "GSM-SENTROVA V3.05";
    static constexpr QByteArrayView kDefaultData = "2";

    QByteArray program = kDefaultProgram.toByteArray();
    QByteArray data = kDefaultData.toByteArray();
};

namespace version {
// Where the data version text starts inside the block.
constexpr int kDataVersionAt = 32;
} // namespace version

// The block's 256 data bytes: the program version from byte 0, then the data
// version from byte 32 on, each followed by zero bytes. The data version is
// written second, so it replaces whatever an overlong program version put
// there; texts are cut at the end of the block.
BlockBytes versionBlockData(const VersionTexts& texts);
