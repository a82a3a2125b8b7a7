#pragma once

#include "link/WaitLoop.h"

#include <QObject>
#include <QString>

class DeviceLink;

// Drives a Hayes modem on the serial line: checks it, dials the module's
// telephone number and waits for the call, and hangs up, escaping to command
// mode with "+++" when the modem does not answer. Its waits count their own
// 100 ms counter, separate from the transactions' countdown.
class ModemDialer : public QObject
{
    Q_OBJECT
public:
    explicit ModemDialer(DeviceLink& link, QObject* parent = nullptr);

    // The dialogue of a dial on an open port; true when "CONNECT" came.
    bool dialogue(const QString& phoneNumber);
    // The hang-up dialogue on an open port.
    void hangUp();

    // Ends the dial's waits (hang-up, program closing).
    void abort() { modemAbort = true; }
    void clearAbort() { modemAbort = false; }
    bool aborted() const { return modemAbort; }

    TickCounter& modemCountdown() { return m_modemCountdown; }

    // The line that dials: "ATD" and the number without control characters.
    static QByteArray dialLine(const QString& phoneNumber);

private:
    // Sends "AT" or "ATH" up to `attempts` times, each followed by a wait of
    // `ticks` for "OK" (or `alsoEnds`); true when an "OK" came.
    bool askModem(QByteArrayView command, int attempts, int ticks, const std::function<bool()>& alsoEnds);
    void silence(int ticks);

    DeviceLink& m_link;
    TickCounter m_modemCountdown;
    bool modemAbort = false;
};
