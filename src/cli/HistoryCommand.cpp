#include "cli/HistoryCommand.h"

#include "archive/ImageArchive.h"
#include "cli/ExitCode.h"
#include "params/DataFile.h"
#include "params/ImageArchiving.h"

#include <algorithm>
#include <optional>

namespace cli {

namespace {

const QString kExport = QStringLiteral("export");

// The id of "@ID" or "ID"; nothing when it is no positive number.
std::optional<qint64> entryId(QString text)
{
    if (text.startsWith(u'@'))
        text.remove(0, 1);
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok || id <= 0 || !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return id;
}

// Free texts stay on their line and in their field.
QString field(QString text)
{
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

QString historyLine(const archive::Entry& entry)
{
    return QStringList{QString::number(entry.id),
                       entry.time.toString(Qt::ISODate),
                       archive::operationKey(entry.operation),
                       entry.account,
                       field(entry.programVersion),
                       entry.dataVersion ? QString::number(*entry.dataVersion) : QString(),
                       field(entry.place),
                       field(entry.site),
                       field(entry.note)}
        .join(u'\t');
}

bool selected(const Session& session, const archive::Entry& entry)
{
    return (session.historyAccount.isEmpty() || entry.account.compare(session.historyAccount, Qt::CaseInsensitive) == 0)
        && (session.historySite.isEmpty() || entry.site.contains(session.historySite, Qt::CaseInsensitive));
}

// Reads the image of entry `id`, or says why it cannot.
bool readEntry(const Session& session, const QString& name, params::ParameterImage& image)
{
    const std::optional<qint64> id = entryId(name);
    if (!id) {
        printLine(session.err, QStringLiteral("not an archive entry: %1 (give @ and its number)").arg(name));
        return false;
    }
    if (!session.archive || !session.archive->usable())
        return false; // the archive has said why
    if (const std::optional<params::ParameterImage> archived = params::archivedImage(*session.archive, *id)) {
        image = *archived;
        return true;
    }
    if (!session.archive->isOff())
        printLine(session.err, QStringLiteral("no entry @%1 in the archive").arg(*id));
    return false;
}

int listEntries(Session& session)
{
    if (!session.archive || !session.archive->usable())
        return kFailure;
    int printed = 0;
    for (const archive::Entry& entry : session.archive->entries()) {
        if (session.historyLimit > 0 && printed == session.historyLimit)
            break;
        if (!selected(session, entry))
            continue;
        printLine(session.out, historyLine(entry));
        ++printed;
    }
    return session.archive->isOff() ? kFailure : kSuccess;
}

// An archived image is saved without a new entry: the archive has it.
int exportEntry(Session& session, const QString& id, const QString& path)
{
    params::ParameterImage image;
    if (!readEntry(session, id, image))
        return kFailure;
    if (const params::FileResult result = params::SaveDataFile(path, image); !result) {
        printLine(session.err, result.error);
        return kFailure;
    }
    printLine(session.err, QStringLiteral("saved to ") + path);
    return kSuccess;
}

} // namespace

bool isArchiveReference(const QString& argument)
{
    return argument.startsWith(u'@');
}

bool openArchivedImage(const Session& session, const QString& reference, params::ParameterImage& image)
{
    return readEntry(session, reference, image);
}

std::optional<archive::Entry> archivedEntry(const Session& session, const QString& reference)
{
    const std::optional<qint64> id = entryId(reference);
    if (!id || !session.archive || !session.archive->usable())
        return std::nullopt;
    return session.archive->entry(*id);
}

int runHistory(Session& session, const QStringList& arguments)
{
    if (arguments.isEmpty())
        return listEntries(session);
    if (arguments.at(0) != kExport) {
        printLine(session.err, QStringLiteral("sentrova-cli: unknown history command: %1").arg(arguments.at(0)));
        return kFailure;
    }
    return exportEntry(session, arguments.at(1), arguments.at(2));
}

} // namespace cli
