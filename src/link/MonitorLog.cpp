#include "link/MonitorLog.h"

MonitorLog::MonitorLog(QObject* parent, qsizetype maxLines)
    : QAbstractListModel(parent)
    , m_maxLines(maxLines)
{
}

void MonitorLog::append(const QString& text)
{
    if (m_lines.isEmpty()) {
        beginInsertRows({}, 0, 0);
        m_lines.append(QString());
        endInsertRows();
    }
    const int last = int(m_lines.size() - 1);
    m_lines.last() = text;
    emit dataChanged(index(last), index(last), {Qt::DisplayRole});
    beginInsertRows({}, last + 1, last + 1);
    m_lines.append(QString());
    endInsertRows();
    // The empty last line is not counted.
    if (m_lines.size() - 1 > m_maxLines) {
        beginRemoveRows({}, 0, 0);
        m_lines.removeFirst();
        endRemoveRows();
    }
}

void MonitorLog::clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int MonitorLog::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant MonitorLog::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size())
        return {};
    return m_lines.at(index.row());
}
