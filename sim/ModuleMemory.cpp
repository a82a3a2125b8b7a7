#include "ModuleMemory.h"

#include <algorithm>

ModuleMemory::ModuleMemory(const params::ParameterImage& initial)
    : m_active(initial)
    , m_staged(initial)
{
}

void ModuleMemory::load(const params::ParameterImage& contents)
{
    m_active = contents;
    m_staged = contents;
}

void ModuleMemory::stageBlock(int block, BlockData data)
{
    Q_ASSERT(block >= 0 && block < memory::kBlockCount);
    std::copy(data.begin(), data.end(), m_staged.block(block).begin());
}
