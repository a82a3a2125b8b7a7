#pragma once

#include "link/BlockFrame.h"
#include "params/ParameterImage.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The module's parameter memory holds the same 2048 bytes, in the same
// layout, as the program's parameter image, so the simulator keeps it as one.
namespace memory {
constexpr int kBlockCount = params::ParameterImage::kBlockCount;
constexpr int kSize = params::ParameterImage::kSize;
} // namespace memory

// The plain bytes of the memory, as tests compare them.
using ParameterMemory = params::ParameterImage::Bytes;
using BlockBytes = std::array<std::uint8_t, frame::kDataSize>;

void storeInstallerCode(params::ParameterImage& mem, const QString& digits);

// The encoded code that matches the stored installer code: its three bytes
// in upper-case hex ("1234" is stored as ED CB 00 and sent as "EDCB00").
QByteArray installerCodeText(const params::ParameterImage& mem);
