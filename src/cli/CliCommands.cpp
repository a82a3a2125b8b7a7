#include "cli/CliCommands.h"

#include "cli/ExitCode.h"
#include "cli/HistoryCommand.h"
#include "cli/TransferReport.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "maint/ClockAccess.h"
#include "maint/FirmwareFile.h"
#include "maint/FirmwareTexts.h"
#include "maint/FirmwareTransfer.h"
#include "link/VersionQuery.h"
#include "monitor/EventListCsv.h"
#include "monitor/EventMemoryDownload.h"
#include "params/DataFile.h"
#include "params/ImageArchiving.h"
#include "params/ImageLayout.h"
#include "params/SettingsDiff.h"
#include "params/sheet/SheetPrinting.h"
#include "params/sheet/SheetHeader.h"
#include "params/TextFields.h"

#include <QDateTime>
#include <QStringList>

#include <array>
#include <optional>

namespace cli {

namespace {

using params::TransferKind;
using params::TransferOutcome;

// What the link holds until a version query has succeeded.
constexpr int kVersionUnknown = -1;

// Runs one parameter transfer on `image`, reporting its progress.
TransferOutcome transfer(Session& session, params::ParameterImage& image, TransferKind kind)
{
    params::ParameterTransfer transfer(*session.link, image);
    transfer.setArchive(archiveFor(session));
    reportTransfer(transfer, kind, session.err);
    const TransferOutcome outcome = transfer.run(kind);
    if (outcome == TransferOutcome::PortClosed)
        printLine(session.err, text::noSerialLink);
    else if (outcome == TransferOutcome::Busy)
        printLine(session.err, text::otherTransactionRunning);
    return outcome;
}

// Reads a data file argument, or says why it could not: a file (archived as
// opened) or "@ID", the image of an archive entry.
bool openImage(const Session& session, const QString& path, params::ParameterImage& image)
{
    if (isArchiveReference(path))
        return openArchivedImage(session, path, image);
    const params::FileResult result = params::OpenAndArchive(path, image, archiveFor(session));
    if (!result)
        printLine(session.err, result.error);
    return result.ok();
}

int runVersion(Session& session, const QStringList&)
{
    DeviceLink& link = *session.link;
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

int runRead(Session& session, const QStringList& arguments)
{
    const QString& path = arguments.at(0);
    params::ParameterImage image;
    const TransferOutcome outcome = transfer(session, image, TransferKind::Read);
    if (outcome != TransferOutcome::Done)
        return exitCodeFor(outcome);
    if (const params::FileResult result = params::SaveAndArchive(path, image, archiveFor(session)); !result) {
        printLine(session.err, result.error);
        return kFailure;
    }
    printLine(session.err, QStringLiteral("saved to ") + path);
    return kSuccess;
}

enum class CodeListing { AmongTheRest, Apart };

// Prints the settings that differ, one per line, on standard output. Apart:
// the codes, which a comparison with the module leaves out of its verdict,
// follow the rest under a heading of their own.
void printDifferences(Session& session, const params::ParameterImage& before, const params::ParameterImage& after,
                      CodeListing codeListing = CodeListing::AmongTheRest)
{
    const auto codes = session.showCodes ? params::CodeDisplay::Shown : params::CodeDisplay::Hidden;
    QStringList codeLines;
    for (const params::SettingDifference& difference : params::differingSettings(before, after, codes)) {
        if (difference.isCode && codeListing == CodeListing::Apart)
            codeLines << QStringLiteral("  ") + difference.text();
        else
            printLine(session.out, difference.text());
    }
    if (codeLines.isEmpty())
        return;
    printLine(session.out, QStringLiteral("Kódok (nem hasonlítva):"));
    for (const QString& line : codeLines)
        printLine(session.out, line);
}

// Reads the module's eight blocks into `module` without a word of progress.
bool readModule(Session& session, params::ParameterImage& module)
{
    params::ParameterTransfer reading(*session.link, module);
    reading.setArchive(archiveFor(session));
    const auto print = [&session](const QString& text) { printLine(session.err, text); };
    QObject::connect(&reading, &params::ParameterTransfer::loginFailed, &reading, print);
    QObject::connect(&reading, &params::ParameterTransfer::versionMismatch, &reading, print);
    QObject::connect(&reading, &params::ParameterTransfer::versionUnread, &reading, print);
    if (reading.read() == TransferOutcome::Done)
        return true;
    printLine(session.err, QStringLiteral("the module's blocks could not be read back"));
    return false;
}

// After a write the module takes the installer code that the written data
// holds, so reading back logs in with that one where it has digits.
void useWrittenInstallerCode(Session& session, const params::ParameterImage& written)
{
    const QString code = params::ReadCode(written, params::fieldRef(params::Field::InstallerCode));
    if (code != params::kNoCodeText)
        session.link->setCodeSource([code] { return code; });
}

int runWrite(Session& session, const QStringList& arguments)
{
    params::ParameterImage image;
    if (!openImage(session, arguments.at(0), image))
        return kFailure;
    const TransferOutcome outcome = transfer(session, image, TransferKind::Write);
    if (outcome != TransferOutcome::Done)
        return exitCodeFor(outcome);
    printLine(session.err, QStringLiteral("activated"));
    if (!session.verify)
        return kSuccess;

    useWrittenInstallerCode(session, image);
    params::ParameterImage module;
    if (!readModule(session, module))
        return kFailure;
    if (module == image) {
        printLine(session.err, QStringLiteral("verified: the module holds the file's 2048 bytes"));
        return kSuccess;
    }
    printLine(session.err, QStringLiteral("verify failed: the module holds other settings than the file"));
    printDifferences(session, image, module);
    return kDifferent;
}

int runCompare(Session& session, const QStringList& arguments)
{
    params::ParameterImage image;
    if (!openImage(session, arguments.at(0), image))
        return kFailure;
    const TransferOutcome outcome = transfer(session, image, TransferKind::Compare);
    if (outcome != TransferOutcome::Differs)
        return exitCodeFor(outcome);
    // The comparison stops at the first differing block; the list needs all.
    if (params::ParameterImage module; readModule(session, module))
        printDifferences(session, image, module, CodeListing::Apart);
    return kDifferent;
}

// Two data files compared offline, setting by setting, codes included.
int runDiff(Session& session, const QStringList& arguments)
{
    params::ParameterImage first;
    params::ParameterImage second;
    if (!openImage(session, arguments.at(0), first) || !openImage(session, arguments.at(1), second))
        return kFailure;
    if (first == second)
        return kSuccess;
    printDifferences(session, first, second);
    return kDifferent;
}

// The programming sheet of a data file or an archived image as a PDF file,
// offline. An archived image brings its site, time and versions; a file
// knows no versions, takes the site its account has in the archive and the
// date of printing.
int runSheet(Session& session, const QStringList& arguments)
{
    params::ParameterImage image;
    if (!openImage(session, arguments.at(0), image))
        return kFailure;
    params::SheetHeader header;
    if (const std::optional<archive::Entry> entry = archivedEntry(session, arguments.at(0))) {
        header = params::sheetHeaderOf(*entry);
    } else {
        header.date = QDateTime::currentDateTime();
        header.site = params::archivedSite(session.archive, params::accountText(image));
    }
    const QString& path = arguments.at(1);
    if (const params::FileResult saved = params::saveProgrammingSheetPdf(path, image, header); !saved) {
        printLine(session.err, saved.error);
        return kFailure;
    }
    printLine(session.err, QStringLiteral("saved to ") + path);
    return kSuccess;
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

int runEvents(Session& session, const QStringList& arguments)
{
    const QString& path = arguments.at(0);
    monitor::EventMemoryDownload download(*session.link);
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

// Prints what a clock transaction's own texts do not say; the status for how it ended.
int clockStatus(Session& session, maint::ClockOutcome outcome)
{
    switch (outcome) {
    case maint::ClockOutcome::Done: return kSuccess;
    case maint::ClockOutcome::NoLink: printLine(session.err, text::noSerialLink); break;
    case maint::ClockOutcome::Busy: printLine(session.err, text::otherTransactionRunning); break;
    case maint::ClockOutcome::LoginFailed: printLine(session.err, session.link->blocks().failureText()); break;
    case maint::ClockOutcome::Failed: break; // its status text has said so
    }
    return kFailure;
}

// Status texts go to standard error, leaving out the empty one that clears
// the window's status bar.
maint::StatusSink statusPrinter(Session& session)
{
    return [&session](const QString& text) {
        if (!text.isEmpty())
            printLine(session.err, text);
    };
}

int runClock(Session& session, const QStringList&)
{
    const maint::ClockReading reading = maint::ReadModuleClock(*session.link, statusPrinter(session));
    if (reading.outcome == maint::ClockOutcome::Done)
        printLine(session.out, reading.clockLine);
    return clockStatus(session, reading.outcome);
}

int runSetClock(Session& session, const QStringList&)
{
    return clockStatus(session, maint::SetModuleClock(
                                    *session.link, [] { return QDateTime::currentDateTime(); }, statusPrinter(session)));
}

// The firmware file's frames, or nothing after saying why the file was refused.
std::optional<firmware::FirmwareImage> firmwareFrames(Session& session, const QString& path)
{
    const firmware::FirmwareFile file = firmware::readFirmwareFile(path);
    switch (file.status) {
    case firmware::FirmwareFile::Status::Good: return firmware::BuildFirmwareFrames(file.lines);
    case firmware::FirmwareFile::Status::Unreadable:
        printLine(session.err, text::firmwareFileUnreadable(path, file.error));
        break;
    case firmware::FirmwareFile::Status::ShortLine:
        printLine(session.err, text::firmwareLineRefused(path, file.lineNumber));
        break;
    }
    return std::nullopt;
}

// Says why a transfer or check did not start; false then.
template <typename Outcome>
bool started(Session& session, const firmware::FirmwareTransfer& transfer, Outcome outcome)
{
    if (outcome == Outcome::NoLink)
        printLine(session.err, text::noSerialLink);
    else if (outcome == Outcome::Busy)
        printLine(session.err, text::otherTransactionRunning);
    else if (outcome == Outcome::LoginFailed)
        printLine(session.err, transfer.failureText());
    return outcome != Outcome::NoLink && outcome != Outcome::Busy && outcome != Outcome::LoginFailed;
}

int runFirmware(Session& session, const QStringList& arguments)
{
    const QString& path = arguments.at(0);
    const std::optional<firmware::FirmwareImage> image = firmwareFrames(session, path);
    if (!image)
        return kFailure;
    firmware::FirmwareTransfer transfer(*session.link);
    const int frameCount = image->frameCount();
    const auto frameStarted = [&session, frameCount](int f) {
        printLine(session.err, QStringLiteral("frame %1/%2").arg(f + 1).arg(frameCount));
    };
    const firmware::TransferOutcome sent = transfer.transfer(*image, statusPrinter(session), frameStarted);
    if (!started(session, transfer, sent) || sent != firmware::TransferOutcome::Done)
        return kFailure;
    const firmware::CheckOutcome checked = transfer.check(*image, statusPrinter(session));
    if (!started(session, transfer, checked) || checked != firmware::CheckOutcome::Confirmed)
        return kFailure;
    printLine(session.err, text::firmwareRestarting);
    return kSuccess;
}

const std::array kCommands{
    Command{QStringLiteral("version"), {}, QStringLiteral("Prints the module's program and data version."),
            &runVersion},
    Command{QStringLiteral("read"), {QStringLiteral("OUT.SD2")},
            QStringLiteral("Reads the eight parameter blocks and saves them to a data file."), &runRead},
    Command{QStringLiteral("write"), {QStringLiteral("IN.SD2")},
            QStringLiteral("Writes a data file to the module's eight blocks and activates them;\n"
                           "with --verify reads them back and compares every byte."),
            &runWrite},
    Command{QStringLiteral("compare"), {QStringLiteral("IN.SD2")},
            QStringLiteral("Compares a data file with the module (the codes are left out) and\n"
                           "lists every differing setting, changed codes last and apart."),
            &runCompare},
    Command{QStringLiteral("diff"), {QStringLiteral("A.SD2"), QStringLiteral("B.SD2")},
            QStringLiteral("Lists every setting that differs between two data files (no port)."), &runDiff, false},
    Command{QStringLiteral("sheet"), {QStringLiteral("IN.SD2"), QStringLiteral("OUT.pdf")},
            QStringLiteral("Prints a data file's programming sheet into a PDF file (no port);\n"
                           "user and installer codes show as ******."),
            &runSheet, false, true},
    Command{QStringLiteral("history"), {QStringLiteral("export"), QStringLiteral("ID"), QStringLiteral("OUT.SD2")},
            QStringLiteral("Lists the archive's entries, newest first (--account, --site, --limit);\n"
                           "with export, saves entry ID as a data file (no port)."),
            &runHistory, false, false, true},
    Command{QStringLiteral("events"), {QStringLiteral("OUT.csv")},
            QStringLiteral("Reads the event list with the user and zone names and saves the\n"
                           "rows that hold an event, newest first, as CSV."),
            &runEvents},
    Command{QStringLiteral("clock"), {}, QStringLiteral("Prints the module's clock."), &runClock},
    Command{QStringLiteral("set-clock"), {}, QStringLiteral("Sets the module's clock from this computer's."),
            &runSetClock},
    Command{QStringLiteral("firmware"), {QStringLiteral("FILE.GSF")},
            QStringLiteral("Writes a firmware file into the module, has it checked and the module restarted."),
            &runFirmware},
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
