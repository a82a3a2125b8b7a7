#include "ModuleProtocol.h"

#include "ModuleFrames.h"

#include "link/Commands.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

namespace reply {
constexpr QByteArrayView kCodeAccepted = "PWDOK";
constexpr QByteArrayView kCodeRejected = "PWDERR";
constexpr QByteArrayView kWriteAcknowledged = "WROK";
constexpr QByteArrayView kWriteFailed = "WRFLERR";
constexpr QByteArrayView kActivated = "CRCOK";
} // namespace reply

constexpr int kAddressDigits = 4;

// Four upper-case hex digits, or nothing.
std::optional<std::uint16_t> parseAddress(QByteArrayView digits)
{
    std::uint16_t address = 0;
    for (char c : digits) {
        const int value = upperHexValue(c);
        if (value < 0)
            return std::nullopt;
        address = std::uint16_t(address << 4 | value);
    }
    return address;
}

} // namespace

ModuleProtocol::ModuleProtocol(const params::ParameterImage& initial)
    : m_memory(initial)
{
}

const ModuleProtocol::Command* ModuleProtocol::findCommand(QByteArrayView line)
{
    static constexpr std::array<Command, 4> kCommands = {{
        {"RPWD", kCodeLength, &ModuleProtocol::checkCode},
        {"RDFL", kAddressDigits, &ModuleProtocol::readBlock},
        {"WRFL", 0, &ModuleProtocol::beginWrite},
        {"WRACT", 0, &ModuleProtocol::activate},
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
    if (m_faults.silent)
        return replies;
    if (std::exchange(m_awaitingWriteFrame, false)) {
        receiveWriteFrame(line, replies);
        return replies;
    }
    if (const Command* command = findCommand(line)) {
        (this->*command->handler)(line.sliced(command->word.size()), replies);
    }
    return replies;
}

void ModuleProtocol::checkCode(QByteArrayView code, Replies& replies)
{
    m_loggedIn = !m_faults.refuseCode && code == m_memory.acceptedCode();
    replies.append((m_loggedIn ? reply::kCodeAccepted : reply::kCodeRejected).toByteArray());
}

void ModuleProtocol::readBlock(QByteArrayView addressDigits, Replies& replies)
{
    const std::optional<std::uint16_t> address = parseAddress(addressDigits);
    if (!address)
        return;
    if (!m_loggedIn) {
        replies.append(reply::kCodeRejected.toByteArray());
        return;
    }
    if (*address < memory::kBlockCount && m_faults.dropReadBlock == *address)
        return;
    if (const std::optional<BlockBytes> data = readableBlock(*address))
        replies.append(blockReplyLine(*data, *address, m_faults));
}

std::optional<BlockBytes> ModuleProtocol::readableBlock(std::uint16_t address) const
{
    if (address < memory::kBlockCount) {
        BlockBytes data{};
        const BlockData block = m_memory.activeImage().block(address);
        std::copy(block.begin(), block.end(), data.begin());
        return data;
    }
    if (address == frame::kVersionAddress)
        return versionBlockData(m_versions);
    return std::nullopt;
}

void ModuleProtocol::beginWrite(QByteArrayView, Replies&)
{
    m_awaitingWriteFrame = true;
}

void ModuleProtocol::receiveWriteFrame(QByteArrayView hexLine, Replies& replies)
{
    if (!m_loggedIn) {
        replies.append(reply::kCodeRejected.toByteArray());
        return;
    }
    const std::optional<Frame> written = parseWriteFrame(hexLine);
    if (!written) {
        replies.append(reply::kWriteFailed.toByteArray());
        return;
    }
    // Blocks outside the parameter memory are acknowledged and dropped.
    const std::uint16_t address = frameAddress(*written);
    if (address < memory::kBlockCount && m_faults.nakWriteBlock == address)
        return;
    if (address < memory::kBlockCount)
        m_memory.stageBlock(address, BlockData(written->data(), frame::kDataSize));
    replies.append(reply::kWriteAcknowledged.toByteArray());
}

void ModuleProtocol::activate(QByteArrayView, Replies& replies)
{
    if (!m_loggedIn) {
        replies.append(reply::kCodeRejected.toByteArray());
        return;
    }
    if (m_faults.noActivation)
        return;
    m_memory.activate();
    replies.append(reply::kActivated.toByteArray());
}
