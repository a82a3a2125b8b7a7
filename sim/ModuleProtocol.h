#pragma once

#include "FaultSwitches.h"
#include "FirmwareReceiver.h"
#include "LiveModule.h"
#include "ModuleMemory.h"
#include "RadioDevices.h"
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
// frame to write, whatever it holds. The status polls, the alarm stop and the
// partition commands carry the code themselves and need no session; a wrong
// code there is refused and changes nothing. Messages of the module ("AT_/")
// go out after the answers to those commands. The radio commands are the
// radio receiver's.
class ModuleProtocol
{
public:
    using Replies = QList<QByteArray>;

    explicit ModuleProtocol(const ParameterMemory& initial);
    // The live module refers to the memory of this object.
    ModuleProtocol(const ModuleProtocol&) = delete;
    ModuleProtocol& operator=(const ModuleProtocol&) = delete;

    Replies handleLine(QByteArrayView line);

    ModuleMemory& memory() { return m_memory; }
    const ModuleMemory& memory() const { return m_memory; }

    FaultSwitches& faults() { return m_faults; }
    const FaultSwitches& faults() const { return m_faults; }

    void setVersionTexts(const VersionTexts& texts) { m_versions = texts; }
    const VersionTexts& versionTexts() const { return m_versions; }

    LiveModule& live() { return m_live; }
    RadioDevices& radio() { return m_radio; }
    const LiveModule& live() const { return m_live; }

    // Which of the four forms of the status report the module sends.
    void setStatusForm(int form) { m_statusForm = form; }
    int statusForm() const { return m_statusForm; }

    // A message on the module's state goes out with every this many polls.
    static constexpr int kPollsPerRoutineMessage = 10;

    bool loggedIn() const { return m_loggedIn; }

    FirmwareReceiver& firmware() { return m_firmware; }
    const FirmwareReceiver& firmware() const { return m_firmware; }

private:
    // `detail` is the command's own number, such as the partition it names.
    using Handler = void (ModuleProtocol::*)(QByteArrayView argument, int detail, Replies& replies);

    // A command is its word followed by an argument of a fixed length; a line
    // that matches no entry is ignored.
    struct Command
    {
        QByteArrayView word;
        int argumentLength;
        Handler handler;
        int detail = 0;
    };
    static const Command* findCommand(QByteArrayView line);

    void checkCode(QByteArrayView code, int, Replies& replies);
    void readBlock(QByteArrayView address, int, Replies& replies);
    void beginWrite(QByteArrayView, int, Replies& replies);
    void activate(QByteArrayView, int, Replies& replies);
    void pollStatus(QByteArrayView code, int, Replies& replies);
    void pollEvents(QByteArrayView code, int, Replies& replies);
    void stopAlarms(QByteArrayView code, int, Replies& replies);
    void armPartition(QByteArrayView code, int partition, Replies& replies);
    void disarmPartition(QByteArrayView code, int partition, Replies& replies);
    void receiveWriteFrame(QByteArrayView hexLine, Replies& replies);

    bool codeAccepted(QByteArrayView code) const;
    // Answers a command carrying a wrong code with a refusal.
    bool refusesCode(QByteArrayView code, Replies& replies) const;
    void countPoll();
    void sendMessages(Replies& replies);

    // The data of a readable block, or nothing for an address the module
    // does not answer.
    std::optional<BlockBytes> readableBlock(std::uint16_t address) const;

    ModuleMemory m_memory;
    LiveModule m_live{m_memory};
    RadioDevices m_radio;
    VersionTexts m_versions;
    FaultSwitches m_faults;
    FirmwareReceiver m_firmware;
    bool m_loggedIn = false;
    bool m_awaitingWriteFrame = false;
    int m_statusForm = 4; // the longest form
    int m_polls = 0;
};
