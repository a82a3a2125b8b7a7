#include "LinkedModule.h"

LinkedModule::LinkedModule(const SimulatorSettings& settings)
    : sim(settings)
{
    link.setCodeSource([this] { return typedCode; });
    // Its periodic checks would mix into what a test expects on the line;
    // the tests of the timer start it themselves.
    link.codeTimer().stop();
}

bool LinkedModule::connect()
{
    if (!sim.start(m_dir.filePath(QStringLiteral("module"))))
        return false;
    link.serial().setPortName(sim.linkPath());
    return link.serial().open();
}

QByteArrayList LinkedModule::received(QByteArrayView prefix) const
{
    QByteArrayList lines;
    for (const QByteArray& line : sim.receivedLines())
        if (line.startsWith(prefix))
            lines << line;
    return lines;
}
