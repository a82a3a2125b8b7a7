#pragma once

#include "PseudoTerminal.h"
#include "link/DeviceLink.h"

#include <QByteArray>
#include <QTest>

#include <array>

#include <unistd.h>

// The far end of the program's serial line, read raw: every byte the program
// wrote, exactly, with no line assembly in between. Nothing answers.
class FarSide
{
public:
    FarSide() { m_terminal.open(); }

    QString devicePath() const { return m_terminal.devicePath(); }

    // Opens `link` on this line, typed code 1234, no periodic code check.
    bool attach(DeviceLink& link) const
    {
        link.codeTimer().stop();
        link.setCodeSource([] { return QStringLiteral("1234"); });
        link.serial().setPortName(devicePath());
        return link.serial().open();
    }

    // Waits (running the event loop) until `count` bytes have come, then
    // returns all that came.
    QByteArray take(qsizetype count)
    {
        const bool arrived = QTest::qWaitFor(
            [&] {
                readAvailable();
                return m_bytes.size() >= count;
            },
            5000);
        if (!arrived)
            qWarning("only %lld of %lld bytes arrived", qlonglong(m_bytes.size()), qlonglong(count));
        readAvailable();
        return std::exchange(m_bytes, {});
    }

private:
    void readAvailable()
    {
        std::array<char, 4096> buffer{};
        ssize_t n = 0;
        while ((n = ::read(m_terminal.masterFd(), buffer.data(), buffer.size())) > 0)
            m_bytes.append(buffer.data(), n);
    }

    PseudoTerminal m_terminal;
    QByteArray m_bytes;
};
