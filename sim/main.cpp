#include "CommandLine.h"
#include "DemoFirmware.h"
#include "MemoryFile.h"
#include "ModuleSimulator.h"
#include "TerminationSignals.h"
#include "VersionBlock.h"

#include "params/DataFile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sentrova-sim"));

    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (commandLine.helpRequested) {
        out << commandLine.helpText << Qt::flush;
        return 0;
    }
    if (commandLine.versionRequested) {
        // The version of the package it comes with, and the data version its
        // version block reports unless --data-version says otherwise.
        out << QCoreApplication::applicationName() << ' ' << SENTROVA_VERSION << " (data version "
            << VersionTexts::kDefaultData.toByteArray() << ")\n"
            << Qt::flush;
        return 0;
    }
    if (!commandLine.error.isEmpty()) {
        err << "sentrova-sim: " << commandLine.error << '\n' << commandLine.helpText << Qt::flush;
        return 2;
    }

    if (!commandLine.writeFirmwarePath.isEmpty()) {
        const params::FileResult written = params::SaveWholeFile(
            commandLine.writeFirmwarePath, simfirmware::demoFirmwareFile(commandLine.firmwareLines));
        if (!written)
            err << "sentrova-sim: " << written.error << '\n' << Qt::flush;
        return written ? 0 : 1;
    }

    // Watching before the device is announced, so that a caller may stop us
    // as soon as it has read the path.
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::received, &app, &QCoreApplication::quit);

    SimulatorSettings settings = commandLine.settings;
    if (!commandLine.loadPath.isEmpty()) {
        const LoadedMemory loaded = loadMemoryFile(commandLine.loadPath);
        if (!loaded.memory) {
            err << "sentrova-sim: " << loaded.error << '\n' << Qt::flush;
            return 1;
        }
        settings.memory = loaded.memory;
    }

    ModuleSimulator simulator(settings);
    if (!simulator.start(commandLine.linkPath)) {
        err << "sentrova-sim: " << simulator.errorString() << '\n' << Qt::flush;
        return 1;
    }
    out << simulator.devicePath() << '\n' << Qt::flush;

    // The simulator removes its link when it goes, after the event loop ends.
    const int status = QCoreApplication::exec();
    if (simulator.noiseToModule() != nullptr) {
        const LineNoise& toModule = *simulator.noiseToModule();
        const LineNoise& toProgram = *simulator.noiseToProgram();
        out << "noise (seed " << simulator.noiseSeed() << "): damaged " << toModule.damaged() << " of "
            << toModule.crossed() << " bytes to the module, " << toProgram.damaged() << " of " << toProgram.crossed()
            << " to the program\n"
            << Qt::flush;
    }
    if (!commandLine.saveOnExitPath.isEmpty()) {
        // The program's whole-file writer: the old file stays unless every
        // byte was written.
        const ParameterMemory& mem = simulator.module().memory().active();
        const params::FileResult saved = params::SaveWholeFile(
            commandLine.saveOnExitPath, QByteArrayView(reinterpret_cast<const char*>(mem.data()), qsizetype(mem.size())));
        if (!saved) {
            err << "sentrova-sim: " << saved.error << '\n' << Qt::flush;
            return 1;
        }
    }
    return status;
}
