#pragma once

// What a PDF file says, as poppler's tools read it: the text with each table
// row kept on one line, and the page count and size.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

inline QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Empty when the file is no PDF that pdftotext reads.
inline QString pdfText(const QString& path)
{
    return popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                       QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

// A field of pdfinfo's report, such as "Pages" or "Page size".
inline QString pdfInfo(const QString& path, const QString& field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(field)),
                                  QRegularExpression::MultilineOption);
    return line.match(popplerOutput(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}
