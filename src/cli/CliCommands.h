#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <span>

class DeviceLink;

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
};

struct Command
{
    QString name;
    QStringList arguments; // the names of its arguments, in order
    QString summary;
    int (*run)(Session& session, const QStringList& arguments);
    bool usesPort = true;
    // Lays out and draws a document: needs a GUI application (offscreen).
    bool drawsDocument = false;
};

// Every command of the tool; adding a command is adding an entry here.
std::span<const Command> commands();
const Command* findCommand(const QString& name);

} // namespace cli
