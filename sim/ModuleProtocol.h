#pragma once

#include "FaultSwitches.h"
#include "ModuleMemory.h"
#include "VersionBlock.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

// The module's side of the line protocol, free of any IO: each received line
// (without its CR) goes in, the reply lines (without CR) come out.
//
// A session is logged in by an accepted code check and out by a refused one;
// reads, writes and the activation need it. "WRFL" makes the next line the
// frame to write, whatever it holds.
class ModuleProtocol
{
public:
    using Replies = QList<QByteArray>;

    explicit ModuleProtocol(const params::ParameterImage& initial);

    Replies handleLine(QByteArrayView line);

    ModuleMemory& memory() { return m_memory; }
    const ModuleMemory& memory() const { return m_memory; }

    FaultSwitches& faults() { return m_faults; }
    const FaultSwitches& faults() const { return m_faults; }

    void setVersionTexts(const VersionTexts& texts) { m_versions = texts; }
    const VersionTexts& versionTexts() const { return m_versions; }

    bool loggedIn() const { return m_loggedIn; }

private:
    using Handler = void (ModuleProtocol::*)(QByteArrayView argument, Replies& replies);

    // A command is its word followed by an argument of a fixed length; a line
    // that matches no entry is ignored.
    struct Command
    {
        QByteArrayView word;
        int argumentLength;
        Handler handler;
    };
    static const Command* findCommand(QByteArrayView line);

    void checkCode(QByteArrayView code, Replies& replies);
    void readBlock(QByteArrayView address, Replies& replies);
    void beginWrite(QByteArrayView, Replies& replies);
    void activate(QByteArrayView, Replies& replies);
    void receiveWriteFrame(QByteArrayView hexLine, Replies& replies);

    // The data of a readable block, or nothing for an address the module
    // does not answer.
    std::optional<BlockBytes> readableBlock(std::uint16_t address) const;

    ModuleMemory m_memory;
    VersionTexts m_versions;
    FaultSwitches m_faults;
    bool m_loggedIn = false;
    bool m_awaitingWriteFrame = false;
};
