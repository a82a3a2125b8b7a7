#include "link/MonitorLog.h"

MonitorLog::MonitorLog(QObject* parent, qsizetype maxLines)
    : QAbstractListModel(parent)
    , m_lines(maxLines)
{
}

void MonitorLog::append(const QString& text)
{
    if (!m_started) {
        beginInsertRows({}, 0, 0);
        m_started = true;
        endInsertRows();
    }
    if (m_lines.full()) {
        beginRemoveRows({}, 0, 0);
        m_lines.dropOldest();
        endRemoveRows();
    }
    // The text takes the place of the empty last line, which moves down.
    const int filled = int(m_lines.size());
    beginInsertRows({}, filled, filled);
    m_lines.push(text.toUtf8());
    endInsertRows();
}

void MonitorLog::clear()
{
    beginResetModel();
    m_lines.clear();
    m_started = false;
    endResetModel();
}

int MonitorLog::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_started ? 0 : int(m_lines.size() + 1);
}

QVariant MonitorLog::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return index.row() < m_lines.size() ? QString::fromUtf8(m_lines.at(index.row())) : QString();
}

QStringList MonitorLog::lines() const
{
    QStringList text;
    text.reserve(rowCount());
    for (qsizetype row = 0; row < m_lines.size(); ++row)
        text.append(QString::fromUtf8(m_lines.at(row)));
    if (m_started)
        text.append(QString());
    return text;
}
