#pragma once

#include "UniqueFd.h"

#include <QString>

// A pseudo-terminal pair whose slave side the program opens as its serial
// port. The slave is raw from the start, and this object keeps its own slave
// descriptor open for its whole life: otherwise the master reports a hang-up
// whenever the program has the port closed. An optional symbolic link gives
// the slave a stable name; it goes away with this object.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open();
    bool isOpen() const { return m_master.isValid(); }
    // Closes both sides and removes the link: the program's port then reports
    // its device gone, as when a cable is pulled.
    void close();

    // Points `path` at the slave device, replacing an old symbolic link there
    // but never another kind of file.
    bool createLink(const QString& path);

    // Non-blocking, closed on exec.
    int masterFd() const { return m_master.get(); }
    QString devicePath() const { return m_devicePath; }
    QString linkPath() const { return m_linkPath; }
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& what);
    void removeLink();

    UniqueFd m_master;
    UniqueFd m_slave;
    QString m_devicePath;
    QString m_linkPath;
    QString m_error;
};
