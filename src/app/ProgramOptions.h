#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

// The program's command line. Its texts are Hungarian, like the windows and
// Qt's own "Használat"/"Kapcsolók" lines.
struct ProgramOptions
{
    ProgramOptions();

    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption port;
    QCommandLineOption firmware;
    QCommandLineOption log;
};

// True when the command line only asks for the help or the version text,
// which need no display: the caller answers them without opening windows.
bool asksOnlyForText(int argc, char* argv[]);

// Installs the Hungarian texts of Qt's own dialogs and of the command line
// help, when they are installed on the system.
void installQtTranslation();

// Prints the help or the version text and returns the exit status, for a
// command line that asksOnlyForText(); needs a QCoreApplication.
int answerTextRequest();
