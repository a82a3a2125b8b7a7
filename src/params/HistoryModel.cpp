#include "params/HistoryModel.h"

#include "archive/ImageArchive.h"

#include <QFileInfo>

namespace params {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

bool isFile(archive::Operation operation)
{
    return operation == archive::Operation::FileOpened || operation == archive::Operation::FileSaved;
}

QString versionText(const archive::Entry& entry)
{
    if (!entry.dataVersion)
        return entry.programVersion;
    return QStringLiteral("%1 (dv.%2)").arg(entry.programVersion).arg(*entry.dataVersion);
}

QString placeText(const archive::Entry& entry)
{
    return isFile(entry.operation) ? QFileInfo(entry.place).fileName() : entry.place;
}

} // namespace

QString operationText(archive::Operation operation)
{
    switch (operation) {
    case archive::Operation::Read: return QStringLiteral("Beolvasás a modulból");
    case archive::Operation::Write: return QStringLiteral("Áttöltés a modulba");
    case archive::Operation::Compare: return QStringLiteral("Összehasonlítás");
    case archive::Operation::FileOpened: return QStringLiteral("Beolvasás fájlból");
    case archive::Operation::FileSaved: return QStringLiteral("Mentés fájlba");
    }
    return {};
}

bool entryMatches(const archive::Entry& entry, const QString& text)
{
    return text.isEmpty() || entry.account.contains(text, Qt::CaseInsensitive)
        || entry.site.contains(text, Qt::CaseInsensitive) || entry.note.contains(text, Qt::CaseInsensitive);
}

HistoryModel::HistoryModel(archive::ImageArchive& archive, QObject* parent)
    : QAbstractTableModel(parent)
    , m_archive(archive)
{
}

void HistoryModel::reload()
{
    beginResetModel();
    m_entries = m_archive.entries();
    applyFilter();
    endResetModel();
}

void HistoryModel::setFilterText(const QString& text)
{
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    applyFilter();
    endResetModel();
}

void HistoryModel::applyFilter()
{
    m_shown.clear();
    m_shown.reserve(m_entries.size());
    const QString text = m_filter.trimmed();
    for (int i = 0; i < m_entries.size(); ++i)
        if (entryMatches(m_entries.at(i), text))
            m_shown.append(i);
}

const archive::Entry& HistoryModel::entryAt(int row) const
{
    return m_entries.at(m_shown.at(row));
}

int HistoryModel::rowOf(qint64 id) const
{
    for (int row = 0; row < m_shown.size(); ++row)
        if (entryAt(row).id == id)
            return row;
    return -1;
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const archive::Entry& entry = entryAt(index.row());
    if (role == Qt::ToolTipRole && index.column() == PlaceColumn)
        return entry.place;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case TimeColumn: return entry.time.toLocalTime().toString(kTimeFormat);
    case OperationColumn: return operationText(entry.operation);
    case AccountColumn: return entry.account;
    case SiteColumn: return entry.site;
    case NoteColumn: return entry.note;
    case VersionColumn: return versionText(entry);
    case PlaceColumn: return placeText(entry);
    default: return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn: return QStringLiteral("Idő");
    case OperationColumn: return QStringLiteral("Művelet");
    case AccountColumn: return QStringLiteral("Ügyfél azonosító");
    case SiteColumn: return QStringLiteral("Objektum");
    case NoteColumn: return QStringLiteral("Megjegyzés");
    case VersionColumn: return QStringLiteral("Verzió");
    case PlaceColumn: return QStringLiteral("Port / telefonszám / fájl");
    default: return {};
    }
}

Qt::ItemFlags HistoryModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.column() == SiteColumn || index.column() == NoteColumn)
        result |= Qt::ItemIsEditable;
    return result;
}

bool HistoryModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole
        || (index.column() != SiteColumn && index.column() != NoteColumn))
        return false;
    archive::Entry& entry = m_entries[m_shown.at(index.row())];
    const QString text = value.toString().trimmed();
    const QString site = index.column() == SiteColumn ? text : entry.site;
    const QString note = index.column() == NoteColumn ? text : entry.note;
    if (!m_archive.setSiteAndNote(entry.id, site, note))
        return false;
    entry.site = site;
    entry.note = note;
    emit dataChanged(index, index);
    return true;
}

} // namespace params
