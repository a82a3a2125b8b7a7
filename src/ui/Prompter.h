#pragma once

#include <QString>

class QPrinter;

// Every message box, Yes/No question, file and print dialog of the program goes
// through this interface, so that tests can answer them and read their texts.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void message(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // True only for Yes.
    virtual bool confirm(const QString& question) = 0;
    // An empty result means the dialog was cancelled.
    virtual QString openFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& initialName) = 0;
    virtual QString saveFileName(const QString& filter, const QString& defaultSuffix,
                                 const QString& initialName) = 0;
    // The print dialog: sets `printer` to the chosen printer, or to a PDF
    // file ("Print to File (PDF)"). False when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

// The prompter in use: the real dialogs unless a test installed another.
Prompter& prompter();
// Installs `replacement` (not owned); nullptr restores the real dialogs.
void setPrompter(Prompter* replacement);
