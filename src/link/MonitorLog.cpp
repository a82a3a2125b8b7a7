#include "link/MonitorLog.h"

void MonitorLog::append(const QString& text)
{
    if (m_lines.isEmpty())
        m_lines.append(QString());
    m_lines.last() = text;
    m_lines.append(QString());
    emit appended(text);
}

void MonitorLog::clear()
{
    m_lines.clear();
    emit cleared();
}
