#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <span>

class DeviceLink;

namespace archive {
class ImageArchive;
}

namespace cli {

// What a command works with: the link, opened on the port with the installer
// code (none for the commands that work on files alone), the two output
// streams and the options that change what a command prints or checks.
struct Session
{
    DeviceLink* link;
    QTextStream& out;
    QTextStream& err;
    bool showCodes = false;
    bool verify = false;
    // Where "@ID" and `history` find archived images, and where transfers
    // and data files are archived unless `archiving` is off (--no-archive).
    archive::ImageArchive* archive = nullptr;
    bool archiving = true;
    // The narrowing of `history`: an exact account, a text in the site, the
    // newest so many entries (0: all).
    QString historyAccount{};
    QString historySite{};
    int historyLimit = 0;
};

// The archive that this command archives into; none with --no-archive.
inline archive::ImageArchive* archiveFor(const Session& session)
{
    return session.archiving ? session.archive : nullptr;
}

// One line on `stream`, flushed at once.
inline void printLine(QTextStream& stream, const QString& text)
{
    stream << text << Qt::endl;
}

struct Command
{
    QString name;
    QStringList arguments; // the names of its arguments, in order
    QString summary;
    int (*run)(Session& session, const QStringList& arguments);
    bool usesPort = true;
    // Lays out and draws a document: needs a GUI application (offscreen).
    bool drawsDocument = false;
    // The arguments are given all or not at all.
    bool argumentsOptional = false;
};

// Every command of the tool; adding a command is adding an entry here.
std::span<const Command> commands();
const Command* findCommand(const QString& name);

} // namespace cli
