#include "archive/ArchiveFile.h"
#include "archive/ImageArchive.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CodePage.h"
#include "cli/ExitCode.h"
#include "cli/PortOpenFailure.h"
#include "cli/ToolApplication.h"
#include "link/DeviceLink.h"
#include "link/SessionLog.h"
#include "link/Ticks.h"
#include "ProgramVersion.h"

#include <QCoreApplication>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[])
{
    // A core application; a GUI one only for the commands that draw.
    const std::unique_ptr<QCoreApplication> app = cli::createApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sentrova-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    const cli::Options options = cli::parseOptions(QCoreApplication::arguments());
    if (options.helpRequested) {
        out << options.helpText << Qt::flush;
        return cli::kSuccess;
    }
    if (options.versionRequested) {
        out << versionOutputLine(QCoreApplication::applicationName()) << Qt::endl;
        return cli::kSuccess;
    }
    if (!options.error.isEmpty()) {
        err << "sentrova-cli: " << options.error << "\nTry 'sentrova-cli --help'." << Qt::endl;
        return cli::kFailure;
    }
    if (!cli::codePageReady(err))
        return cli::kFailure;

    // Before the link exists: its countdown timer takes the tick length.
    if (const int tick = qEnvironmentVariableIntValue("SENTROVA_TICK_MS"); tick > 0)
        ticks::setLengthMs(tick);

    // Opened at first use: a command that neither archives nor names an
    // archived image never touches it.
    archive::ImageArchive imageArchive(archive::defaultFolder());
    QObject::connect(&imageArchive, &archive::ImageArchive::turnedOff, [&err](const QString& reason) {
        err << "sentrova-cli: archiving is off: " << reason << Qt::endl;
    });
    cli::Session session{nullptr, out, err, options.showCodes, options.verify};
    session.archive = &imageArchive;
    session.archiving = !options.noArchive;
    session.historyAccount = options.historyAccount;
    session.historySite = options.historySite;
    session.historyLimit = options.historyLimit;
    if (!options.command->usesPort)
        return options.command->run(session, options.arguments);

    // Lives longer than the link that writes to it.
    SessionLog sessionLog;
    DeviceLink link;
    // One command, one transaction: no periodic code check around it.
    link.codeTimer().stop();
    link.setCodeSource([code = options.code] { return code; });
    link.blocks().setAttempts(options.attempts);
    link.serial().setPortName(options.port);
    if (!link.serial().open()) {
        err << "sentrova-cli: cannot open the port " << options.port << ": "
            << cli::portOpenFailure(options.port, link.serial().openError(), link.serial().openErrorText())
            << Qt::endl;
        return cli::kFailure;
    }
    // A lost device ends the running wait at once; the command then fails
    // whatever it had done so far.
    bool portLost = false;
    QObject::connect(&link.serial(), &SerialLink::portLost, [&](const QString& reason) {
        portLost = true;
        err << "sentrova-cli: port lost: " << reason << Qt::endl;
    });
    if (!options.logFile.isEmpty()) {
        QString reason;
        if (!sessionLog.open(options.logFile, &reason)) {
            err << "sentrova-cli: cannot open the log " << options.logFile << ": " << reason << Qt::endl;
            return cli::kFailure;
        }
        link.serial().setSessionLog(&sessionLog);
    }
    session.link = &link;
    const int status = options.command->run(session, options.arguments);
    link.serial().close();
    return portLost ? cli::kFailure : status;
}
