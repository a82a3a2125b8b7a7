#pragma once

#include "ParameterMemory.h"

// The parameters in use and the staging copy that block writes fill. Written
// blocks take effect together when the staging copy is activated.
class ModuleMemory
{
public:
    explicit ModuleMemory(const params::ParameterImage& initial = {});

    const ParameterMemory& active() const { return m_active.bytes(); }
    const ParameterMemory& staged() const { return m_staged.bytes(); }
    const params::ParameterImage& activeImage() const { return m_active; }

    // Replaces both copies, as after a restart with these parameters.
    void load(const params::ParameterImage& contents);

    // `block` must be below memory::kBlockCount.
    void stageBlock(int block, BlockData data);
    void activate() { m_active = m_staged; }

    // The encoded installer code the module accepts now.
    QByteArray acceptedCode() const { return installerCodeText(m_active); }

private:
    params::ParameterImage m_active;
    params::ParameterImage m_staged;
};
