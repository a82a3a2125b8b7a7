#pragma once

#include "ParameterMemory.h"

#include <QDateTime>

// The module's real-time clock: the system's local time plus an offset that
// setting the clock changes. Read and written as the clock block (FFFE):
// bytes 0-4 year mod 100, month, day, hour, minute, in binary.
class ModuleClock
{
public:
    QDateTime now() const { return QDateTime::currentDateTime().addMSecs(m_offsetMs); }
    void set(const QDateTime& time) { m_offsetMs = QDateTime::currentDateTime().msecsTo(time); }

    BlockBytes block() const;
    // False, and the clock unchanged, when the bytes name no valid time.
    bool setFromBlock(const BlockBytes& data);

private:
    qint64 m_offsetMs = 0;
};
