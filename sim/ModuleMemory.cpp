#include "ModuleMemory.h"

#include <algorithm>

ModuleMemory::ModuleMemory(const ParameterMemory& initial)
    : m_active(initial)
    , m_staged(initial)
{
}

void ModuleMemory::load(const ParameterMemory& contents)
{
    m_active = contents;
    m_staged = contents;
}

void ModuleMemory::stageBlock(int block, const BlockBytes& data)
{
    Q_ASSERT(block >= 0 && block < memory::kBlockCount);
    std::copy(data.begin(), data.end(), m_staged.begin() + block * memory::kBlockSize);
}

void ModuleMemory::activate(std::optional<int> faultyByte)
{
    m_active = m_staged;
    if (faultyByte) {
        Q_ASSERT(*faultyByte >= 0 && *faultyByte < memory::kSize);
        m_active[std::size_t(*faultyByte)] ^= 0x01;
    }
}
