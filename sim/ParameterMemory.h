#pragma once

#include "link/BlockFrame.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <span>

// The module's parameter memory: eight blocks of 256 bytes, read and written
// one block frame at a time.
namespace memory {

constexpr int kBlockCount = 8;
constexpr int kSize = kBlockCount * frame::kDataSize;

// The installer code the module accepts, stored as a code field.
constexpr int kInstallerCodeAt = 180;
constexpr int kCodeFieldSize = 3;

} // namespace memory

using ParameterMemory = std::array<std::uint8_t, memory::kSize>;
using BlockBytes = std::array<std::uint8_t, frame::kDataSize>;
using CodeField = std::array<std::uint8_t, memory::kCodeFieldSize>;

// A code field: the six characters of the encoded code read as hex nibbles,
// high nibble first ("1234" is 0xED 0xCB 0x00).
CodeField packCode(const QString& digits);

// The encoded code that matches a stored code field: its bytes in upper-case hex.
QByteArray codeFieldText(std::span<const std::uint8_t, memory::kCodeFieldSize> field);

void storeInstallerCode(ParameterMemory& mem, const QString& digits);
QByteArray installerCodeText(const ParameterMemory& mem);

// Block n is bytes 256n .. 256n + 255; n must be below kBlockCount.
BlockData memoryBlock(const ParameterMemory& mem, int block);
