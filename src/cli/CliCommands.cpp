#include "cli/CliCommands.h"

#include "cli/ExitCode.h"
#include "cli/TransferReport.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "mainwin/VersionQuery.h"
#include "monitor/EventListCsv.h"
#include "monitor/EventMemoryDownload.h"
#include "params/DataFile.h"

#include <array>

namespace cli {

namespace {

using params::TransferKind;
using params::TransferOutcome;

// What the link holds until a version query has succeeded.
constexpr int kVersionUnknown = -1;

void printLine(QTextStream& stream, const QString& text)
{
    stream << text << Qt::endl;
}

// Runs one parameter transfer on `image`, reporting its progress.
TransferOutcome transfer(Session& session, params::ParameterImage& image, TransferKind kind)
{
    params::ParameterTransfer transfer(session.link, image);
    reportTransfer(transfer, kind, session.err);
    const TransferOutcome outcome = transfer.run(kind);
    if (outcome == TransferOutcome::PortClosed)
        printLine(session.err, text::noSerialLink);
    else if (outcome == TransferOutcome::Busy)
        printLine(session.err, text::otherTransactionRunning);
    return outcome;
}

// Reads a data file, or says why it could not.
bool openImage(Session& session, const QString& path, params::ParameterImage& image)
{
    const params::FileResult result = params::OpenDataFile(path, image);
    if (!result)
        printLine(session.err, result.error);
    return result.ok();
}

int runVersion(Session& session, const QString&)
{
    DeviceLink& link = session.link;
    const std::optional<Transaction> transaction = link.beginTransaction();
    link.moduleDataVersion = kVersionUnknown;
    QString status;
    const QString result = QueryVersion(link, [&status](const QString& text) { status = text; });
    if (link.moduleDataVersion != kVersionUnknown) {
        printLine(session.out, result);
        return kSuccess;
    }
    // A failed read leaves the result empty and says so in the status text.
    printLine(session.err, result.isEmpty() ? status : result);
    return kFailure;
}

int runRead(Session& session, const QString& path)
{
    params::ParameterImage image;
    const TransferOutcome outcome = transfer(session, image, TransferKind::Read);
    if (outcome != TransferOutcome::Done)
        return exitCodeFor(outcome);
    if (const params::FileResult result = params::SaveDataFile(path, image); !result) {
        printLine(session.err, result.error);
        return kFailure;
    }
    printLine(session.err, QStringLiteral("saved to ") + path);
    return kSuccess;
}

int runWrite(Session& session, const QString& path)
{
    params::ParameterImage image;
    if (!openImage(session, path, image))
        return kFailure;
    const TransferOutcome outcome = transfer(session, image, TransferKind::Write);
    if (outcome == TransferOutcome::Done)
        printLine(session.err, QStringLiteral("activated"));
    return exitCodeFor(outcome);
}

int runCompare(Session& session, const QString& path)
{
    params::ParameterImage image;
    if (!openImage(session, path, image))
        return kFailure;
    return exitCodeFor(transfer(session, image, TransferKind::Compare));
}

// Prints why a download did not complete; true when it did.
bool downloaded(Session& session, const monitor::EventMemoryDownload& download, monitor::DownloadOutcome outcome)
{
    switch (outcome) {
    case monitor::DownloadOutcome::Done: return true;
    case monitor::DownloadOutcome::NoLink: printLine(session.err, text::noSerialLink); break;
    case monitor::DownloadOutcome::Busy: printLine(session.err, text::otherTransactionRunning); break;
    case monitor::DownloadOutcome::LoginFailed: printLine(session.err, download.failureText()); break;
    case monitor::DownloadOutcome::ReadFailed: break; // its status text has said so
    }
    return false;
}

int runEvents(Session& session, const QString& path)
{
    monitor::EventMemoryDownload download(session.link);
    const auto progress = [&session](const QString& text) { printLine(session.err, text); };
    if (!downloaded(session, download, download.loadNames(progress))
        || !downloaded(session, download, download.loadEvents(progress)))
        return kFailure;
    if (const params::FileResult result = params::SaveWholeFile(path, monitor::eventListCsv(download.rows()));
        !result) {
        printLine(session.err, result.error);
        return kFailure;
    }
    printLine(session.err, QStringLiteral("saved to ") + path);
    return kSuccess;
}

const std::array kCommands{
    Command{QStringLiteral("version"), QString(),
            QStringLiteral("Prints the module's program and data version."), &runVersion},
    Command{QStringLiteral("read"), QStringLiteral("OUT.SD2"),
            QStringLiteral("Reads the eight parameter blocks and saves them to a data file."), &runRead},
    Command{QStringLiteral("write"), QStringLiteral("IN.SD2"),
            QStringLiteral("Writes a data file to the module's eight blocks and activates them."), &runWrite},
    Command{QStringLiteral("compare"), QStringLiteral("IN.SD2"),
            QStringLiteral("Compares a data file with the module (the codes are left out)."), &runCompare},
    Command{QStringLiteral("events"), QStringLiteral("OUT.csv"),
            QStringLiteral("Reads the event list with the user and zone names and saves its 90 rows, newest first, "
                           "as CSV."),
            &runEvents},
};

} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace cli
