#pragma once

#include "archive/ArchiveEntry.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

namespace archive {
class ImageArchive;
}

namespace params {

// The operation as the history window names it.
QString operationText(archive::Operation operation);

// True when `text` is empty or found, whatever its case, in the entry's
// account, site or note.
bool entryMatches(const archive::Entry& entry, const QString& text);

// The archive's entries, newest first, as the rows of the history window's
// table, narrowed by a filter text. The site and the note are edited in
// place and stored in the archive at once.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TimeColumn, OperationColumn, AccountColumn, SiteColumn, NoteColumn, VersionColumn, PlaceColumn,
                  ColumnCount };

    explicit HistoryModel(archive::ImageArchive& archive, QObject* parent = nullptr);

    // Reads every entry from the archive afresh.
    void reload();
    void setFilterText(const QString& text);

    // Entries in the archive, and shown through the filter.
    int entryCount() const { return int(m_entries.size()); }
    const archive::Entry& entryAt(int row) const;
    // The row showing entry `id`, or -1.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void applyFilter();

    archive::ImageArchive& m_archive;
    QList<archive::Entry> m_entries;
    // Indexes into m_entries of the rows shown.
    QList<int> m_shown;
    QString m_filter;
};

} // namespace params
