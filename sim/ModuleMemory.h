#pragma once

#include "ParameterMemory.h"

#include <optional>

// The parameters in use and the staging copy that block writes fill. Written
// blocks take effect together when the staging copy is activated.
class ModuleMemory
{
public:
    explicit ModuleMemory(const ParameterMemory& initial = {});

    const ParameterMemory& active() const { return m_active; }
    const ParameterMemory& staged() const { return m_staged; }

    // Replaces both copies, as after a restart with these parameters.
    void load(const ParameterMemory& contents);

    // `block` must be below memory::kBlockCount.
    void stageBlock(int block, const BlockBytes& data);
    // The staged blocks take effect; a bad cell at `faultyByte` keeps its
    // byte with the lowest bit flipped.
    void activate(std::optional<int> faultyByte = std::nullopt);

    // The encoded installer code the module accepts now.
    QByteArray acceptedCode() const { return installerCodeText(m_active); }

private:
    ParameterMemory m_active{};
    ParameterMemory m_staged{};
};
