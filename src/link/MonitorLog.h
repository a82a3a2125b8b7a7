#pragma once

#include "link/LineRing.h"

#include <QAbstractListModel>
#include <QStringList>

// The text of the serial monitor, kept once for the whole program: one line
// per received line and per logged sent line, always followed by an empty
// last line that stands for the line being filled. It keeps the newest lines
// only, so that a flooding line or days of polling cannot exhaust memory. The
// monitor window shows it as a list model.
class MonitorLog : public QAbstractListModel
{
    Q_OBJECT
public:
    // Filled lines kept; the oldest is dropped when another arrives. A day
    // of status polling fits.
    static constexpr qsizetype kMaxLines = 100000;
    static constexpr QStringView kSentPrefix = u"------> ";

    explicit MonitorLog(QObject* parent = nullptr, qsizetype maxLines = kMaxLines);

    // Replaces the last (empty) line by `text` and adds a new empty line.
    void append(const QString& text);
    void clear();

    // A copy of the text, line by line.
    QStringList lines() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // The filled lines in UTF-8 (the monitor's lines are mostly ASCII); the
    // empty last line is not stored.
    LineRing m_lines;
    // False until the first line and after clearing: then not even the empty
    // last line shows.
    bool m_started = false;
};
