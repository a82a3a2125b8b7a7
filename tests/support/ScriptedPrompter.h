#pragma once

#include "ui/Prompter.h"

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>

#include <deque>

// Answers the program's dialogs from a script and records every text shown,
// installing itself for its lifetime.
class ScriptedPrompter final : public Prompter
{
public:
    ScriptedPrompter() { setPrompter(this); }
    ~ScriptedPrompter() override { setPrompter(nullptr); }

    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
    bool confirm(const QString& question) override
    {
        questions << question;
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    QString openFileName(const QString& filter, const QString&, const QString&) override
    {
        filters << filter;
        return takeFile();
    }
    QString saveFileName(const QString& filter, const QString&, const QString&) override
    {
        filters << filter;
        return takeFile();
    }

    // Answered from `files` as printing to that PDF file; cancelled once
    // they run out.
    bool choosePrinter(QPrinter& printer) override
    {
        printDialogs << printer.pageLayout();
        const QString file = takeFile();
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    QStringList filters;
    std::deque<bool> answers; // for confirm(); No once they run out
    std::deque<QString> files; // for the file and print dialogs; cancelled once they run out
    QList<QPageLayout> printDialogs; // the page each print dialog was opened with

private:
    QString takeFile()
    {
        if (files.empty())
            return QString();
        QString name = files.front();
        files.pop_front();
        return name;
    }
};
