#pragma once

#include <QString>
#include <QStringList>

namespace cli {

struct Command;

// What the command line asks for.
struct Options
{
    QString port;
    QString code;
    const Command* command = nullptr;
    QStringList arguments;
    bool showCodes = false;
    bool verify = false;
    QString logFile;
    bool noArchive = false;
    QString historyAccount;
    QString historySite;
    int historyLimit = 0;
    // How often a failed block step is made before the command fails.
    int attempts = 1;
    bool helpRequested = false;
    bool versionRequested = false;
    QString helpText;
    // Empty when the command line is good.
    QString error;
};

// `arguments` includes the program name first, as QCoreApplication gives it.
Options parseOptions(const QStringList& arguments);

} // namespace cli
