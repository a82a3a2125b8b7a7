#pragma once

#include <QString>
#include <QTextStream>

#include <span>

class DeviceLink;

namespace cli {

// What a command works with: the link, opened on the port with the installer
// code, and the two output streams.
struct Session
{
    DeviceLink& link;
    QTextStream& out;
    QTextStream& err;
};

struct Command
{
    QString name;
    QString argument; // the name of its one argument; empty when it takes none
    QString summary;
    int (*run)(Session& session, const QString& argument);
};

// Every command of the tool; adding a command is adding an entry here.
std::span<const Command> commands();
const Command* findCommand(const QString& name);

} // namespace cli
