#include "ParameterMemory.h"

#include "link/Commands.h"

#include <algorithm>

CodeField packCode(const QString& digits)
{
    // One encoding in the whole project: the nibbles are the digits of the
    // text the program appends to its commands.
    const QByteArray encoded = encodeInstallerCode(digits);
    CodeField field{};
    for (int i = 0; i < memory::kCodeFieldSize; ++i)
        field[i] = std::uint8_t(16 * upperHexValue(encoded[2 * i]) + upperHexValue(encoded[2 * i + 1]));
    return field;
}

QByteArray codeFieldText(std::span<const std::uint8_t, memory::kCodeFieldSize> field)
{
    QByteArray text;
    for (std::uint8_t byte : field)
        appendHexByte(text, byte);
    return text;
}

void storeInstallerCode(ParameterMemory& mem, const QString& digits)
{
    const CodeField field = packCode(digits);
    std::copy(field.begin(), field.end(), mem.begin() + memory::kInstallerCodeAt);
}

QByteArray installerCodeText(const ParameterMemory& mem)
{
    return codeFieldText(std::span<const std::uint8_t, memory::kCodeFieldSize>(
        mem.data() + memory::kInstallerCodeAt, memory::kCodeFieldSize));
}

BlockData memoryBlock(const ParameterMemory& mem, int block)
{
    Q_ASSERT(block >= 0 && block < memory::kBlockCount);
    return BlockData(mem.data() + block * frame::kDataSize, frame::kDataSize);
}
