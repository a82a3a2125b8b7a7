#include "ModuleProtocol.h"

#include "ModuleFrames.h"
#include "StatusLines.h"

#include "HexText.h"
#include "Wire.h"

#include <array>
#include <utility>

using namespace simwire;

ModuleProtocol::ModuleProtocol(const ParameterMemory& initial)
    : m_memory(initial)
{
}

const ModuleProtocol::Command* ModuleProtocol::findCommand(QByteArrayView line)
{
    static constexpr std::array<Command, 11> kCommands = {{
        {kCodeCheck, kCodeLength, &ModuleProtocol::checkCode},
        {kReadBlock, kAddressDigits, &ModuleProtocol::readBlock},
        {kWriteBlock, 0, &ModuleProtocol::beginWrite},
        {kActivate, 0, &ModuleProtocol::activate},
        {kStatusPoll, kCodeLength, &ModuleProtocol::pollStatus},
        {kEventPoll, kCodeLength, &ModuleProtocol::pollEvents},
        {kAlarmStop, kCodeLength, &ModuleProtocol::stopAlarms},
        {kArmP1, kCodeLength, &ModuleProtocol::armPartition, 1},
        {kArmP2, kCodeLength, &ModuleProtocol::armPartition, 2},
        {kDisarmP1, kCodeLength, &ModuleProtocol::disarmPartition, 1},
        {kDisarmP2, kCodeLength, &ModuleProtocol::disarmPartition, 2},
    }};
    for (const Command& command : kCommands) {
        if (line.size() == command.word.size() + command.argumentLength && line.startsWith(command.word))
            return &command;
    }
    return nullptr;
}

ModuleProtocol::Replies ModuleProtocol::handleLine(QByteArrayView line)
{
    Replies replies;
    if (m_faults.silent || m_firmware.restarting())
        return replies;
    if (std::exchange(m_awaitingWriteFrame, false)) {
        receiveWriteFrame(line, replies);
        return replies;
    }
    if (auto radio = m_radio.handleLine(line, [this](QByteArrayView code) { return codeAccepted(code); }))
        return *radio;
    if (const Command* command = findCommand(line)) {
        (this->*command->handler)(line.sliced(command->word.size()), command->detail, replies);
    }
    return replies;
}

bool ModuleProtocol::codeAccepted(QByteArrayView code) const
{
    return !m_faults.refuseCode && code == m_memory.acceptedCode();
}

bool ModuleProtocol::refusesCode(QByteArrayView code, Replies& replies) const
{
    if (codeAccepted(code))
        return false;
    replies.append(kCodeRejected.toByteArray());
    return true;
}

void ModuleProtocol::checkCode(QByteArrayView code, int, Replies& replies)
{
    m_loggedIn = codeAccepted(code);
    replies.append((m_loggedIn ? kCodeAccepted : kCodeRejected).toByteArray());
}

void ModuleProtocol::readBlock(QByteArrayView addressDigits, int, Replies& replies)
{
    const std::optional<std::uint32_t> address = hextext::number(addressDigits);
    if (!address)
        return;
    if (!m_loggedIn) {
        replies.append(kCodeRejected.toByteArray());
        return;
    }
    if (*address < memory::kBlockCount && m_faults.dropReadBlock == *address)
        return;
    if (const std::optional<BlockBytes> data = readableBlock(std::uint16_t(*address)))
        replies.append(blockReplyLine(*data, std::uint16_t(*address), m_faults));
}

std::optional<BlockBytes> ModuleProtocol::readableBlock(std::uint16_t address) const
{
    if (address < memory::kBlockCount)
        return memoryBlock(m_memory.active(), address);
    if (address == moduleframe::kVersionAddress)
        return versionBlockData(m_versions);
    if (address == moduleframe::kClockAddress)
        return m_live.clock().block();
    return m_live.events().block(address);
}

void ModuleProtocol::beginWrite(QByteArrayView, int, Replies&)
{
    m_awaitingWriteFrame = true;
}

void ModuleProtocol::receiveWriteFrame(QByteArrayView hexLine, Replies& replies)
{
    if (!m_loggedIn) {
        replies.append(kCodeRejected.toByteArray());
        return;
    }
    if (const FirmwareReceiver::Answer firmware = m_firmware.take(hexLine, m_faults); firmware.taken) {
        if (!firmware.reply.isEmpty())
            replies.append(firmware.reply);
        m_loggedIn = m_loggedIn && !firmware.restart;
        return;
    }
    const std::optional<WrittenBlock> written = parseWriteFrame(hexLine);
    if (!written) {
        replies.append(kWriteFailed.toByteArray());
        return;
    }
    const std::uint16_t address = written->address;
    // A clock block naming no valid time is taken like a good one and leaves
    // the clock as it was.
    if (address == moduleframe::kClockAddress && m_live.clock().setFromBlock(written->data))
        m_live.clockWasSet();
    // Other blocks outside the parameter memory are acknowledged and dropped.
    if (address < memory::kBlockCount && m_faults.nakWriteBlock == address)
        return;
    if (address < memory::kBlockCount)
        m_memory.stageBlock(address, written->data);
    replies.append(kWriteAcknowledged.toByteArray());
}

void ModuleProtocol::activate(QByteArrayView, int, Replies& replies)
{
    if (!m_loggedIn) {
        replies.append(kCodeRejected.toByteArray());
        return;
    }
    if (m_faults.noActivation)
        return;
    m_memory.activate(m_faults.corruptByte);
    m_live.parametersActivated();
    replies.append(kCrcConfirmed.toByteArray());
}

void ModuleProtocol::pollStatus(QByteArrayView code, int, Replies& replies)
{
    if (refusesCode(code, replies))
        return;
    replies.append(statusline::reportLine(m_live, m_statusForm));
    countPoll();
    sendMessages(replies);
}

void ModuleProtocol::pollEvents(QByteArrayView code, int, Replies& replies)
{
    if (refusesCode(code, replies))
        return;
    replies.append(statusline::lastEventsLine(m_live.events()));
    countPoll();
    sendMessages(replies);
}

void ModuleProtocol::stopAlarms(QByteArrayView code, int, Replies& replies)
{
    if (refusesCode(code, replies))
        return;
    m_live.stopAlarms();
    replies.append(kCodeAccepted.toByteArray());
    sendMessages(replies);
}

void ModuleProtocol::armPartition(QByteArrayView code, int partition, Replies& replies)
{
    if (refusesCode(code, replies))
        return;
    m_live.arm(partition, eventuser::kInstaller);
    sendMessages(replies);
}

void ModuleProtocol::disarmPartition(QByteArrayView code, int partition, Replies& replies)
{
    if (refusesCode(code, replies))
        return;
    m_live.disarm(partition, eventuser::kInstaller);
    sendMessages(replies);
}

void ModuleProtocol::countPoll()
{
    if (++m_polls % kPollsPerRoutineMessage == 0)
        m_live.queueMessage(m_live.routineMessage(m_polls / kPollsPerRoutineMessage));
}

void ModuleProtocol::sendMessages(Replies& replies)
{
    for (const QString& text : m_live.takeMessages())
        replies.append(statusline::messageLine(text));
}
