#pragma once

#include "ModuleSimulator.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"

#include <QString>
#include <QTemporaryDir>

// A simulated module on its own pseudo-terminal and a device link of the
// program opened on it, both in this process.
class LinkedModule
{
public:
    static constexpr const char* kDemoCode = "1234";

    explicit LinkedModule(const SimulatorSettings& settings = {});

    // Starts the simulator and opens the link on it.
    bool connect();

    ModuleSimulator sim;
    DeviceLink link;
    // What the link reads as the typed installer code.
    QString typedCode = QString::fromLatin1(kDemoCode);

    // Lines the module received that begin with `prefix`.
    QByteArrayList received(QByteArrayView prefix = {}) const;

private:
    QTemporaryDir m_dir;
};

// The simulator keeps its memory as plain bytes; the program as an image.
inline params::ParameterImage imageOf(const ParameterMemory& memory)
{
    params::ParameterImage image;
    image.bytes() = memory;
    return image;
}
