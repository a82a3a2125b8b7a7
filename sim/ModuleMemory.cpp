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
