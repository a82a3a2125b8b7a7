#include "CommandLine.h"
#include "DemoFirmware.h"
#include "ModuleSimulator.h"
#include "TerminationSignals.h"

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
        params::ParameterImage image;
        if (const params::FileResult loaded = params::OpenDataFile(commandLine.loadPath, image); !loaded) {
            err << "sentrova-sim: " << loaded.error << '\n' << Qt::flush;
            return 1;
        }
        settings.memory = image;
    }

    ModuleSimulator simulator(settings);
    if (!simulator.start(commandLine.linkPath)) {
        err << "sentrova-sim: " << simulator.errorString() << '\n' << Qt::flush;
        return 1;
    }
    out << simulator.devicePath() << '\n' << Qt::flush;

    // The simulator removes its link when it goes, after the event loop ends.
    const int status = QCoreApplication::exec();
    if (!commandLine.saveOnExitPath.isEmpty()) {
        const params::FileResult saved =
            params::SaveDataFile(commandLine.saveOnExitPath, simulator.module().memory().activeImage());
        if (!saved) {
            err << "sentrova-sim: " << saved.error << '\n' << Qt::flush;
            return 1;
        }
    }
    return status;
}
