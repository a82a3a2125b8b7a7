#pragma once

#include "SimulatorSettings.h"

#include <QString>
#include <QStringList>

// What the command line of sentrova-sim asks for.
struct CommandLine
{
    SimulatorSettings settings;
    QString linkPath;
    // Data files to start from and to save the parameters in use to at exit.
    QString loadPath;
    QString saveOnExitPath;
    bool helpRequested = false;
    QString helpText;
    // Empty when the command line is good.
    QString error;
};

// `arguments` includes the program name first, as QCoreApplication gives it.
CommandLine parseCommandLine(const QStringList& arguments);
