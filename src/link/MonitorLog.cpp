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
        m_lines.append(QByteArray());
        endInsertRows();
    }
    const int last = int(m_lines.size() - 1);
    m_lines.last() = text.toUtf8();
    emit dataChanged(index(last), index(last), {Qt::DisplayRole});
    beginInsertRows({}, last + 1, last + 1);
    m_lines.append(QByteArray());
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
    return QString::fromUtf8(m_lines.at(index.row()));
}

QStringList MonitorLog::lines() const
{
    QStringList text;
    text.reserve(m_lines.size());
    for (const QByteArray& line : m_lines)
        text.append(QString::fromUtf8(line));
    return text;
}
