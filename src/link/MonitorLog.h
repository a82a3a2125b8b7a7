#pragma once

#include <QObject>
#include <QStringList>

// The text of the serial monitor: one line per received line and per logged
// sent line, always followed by an empty last line that stands for the line
// being filled.
class MonitorLog : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static constexpr QStringView kSentPrefix = u"------> ";

    // Replaces the last (empty) line by `text` and adds a new empty line.
    void append(const QString& text);
    void clear();

    const QStringList& lines() const { return m_lines; }

signals:
    void appended(const QString& text);
    void cleared();

private:
    QStringList m_lines;
};
