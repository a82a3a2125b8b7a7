#pragma once

#include "SimulatorSettings.h"

#include <QString>
#include <QStringList>

// What the command line of sentrova-sim asks for.
struct CommandLine
{
    // A whole firmware: 2048 lines, 512 frames.
    static constexpr int kDemoFirmwareLines = 2048;
    static constexpr int kMostFirmwareLines = 4096;

    SimulatorSettings settings;
    QString linkPath;
    // Data files to start from and to save the parameters in use to at exit.
    QString loadPath;
    QString saveOnExitPath;
    // Set: write a demo firmware file of this many lines and serve nothing.
    QString writeFirmwarePath;
    int firmwareLines = kDemoFirmwareLines;
    bool helpRequested = false;
    bool versionRequested = false;
    QString helpText;
    // Empty when the command line is good.
    QString error;
};

// `arguments` includes the program name first, as QCoreApplication gives it.
CommandLine parseCommandLine(const QStringList& arguments);
