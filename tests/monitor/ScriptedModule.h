#pragma once

// Answers on the simulated module's line in place of its own protocol, which
// it silences: a test decides every reply exactly, including replies to
// requests the simulator does not serve.

#include "ModuleSimulator.h"

#include "link/BlockFrame.h"
#include "link/Commands.h"

#include <QHash>
#include <QObject>

#include <algorithm>
#include <optional>

class ScriptedModule : public QObject
{
public:
    static constexpr int kBlockSize = 256;

    explicit ScriptedModule(ModuleSimulator& sim)
        : m_sim(sim)
    {
        sim.module().faults().silent = true;
        connect(&sim, &ModuleSimulator::lineReceived, this, [this](const QByteArray& line) { reply(line); });
    }

    // Every arrival of `request` is answered with `replies`, written at once
    // so that they arrive together; no replies: the request goes unanswered.
    void answer(const QByteArray& request, const QByteArrayList& replies) { m_replies[request] = replies; }

    void answerCode(const QString& code, const QByteArray& verdict)
    {
        answer("RPWD" + encodeInstallerCode(code), {verdict});
    }

    // Block `address` with `data` (zero-filled to 256 bytes), its frame
    // claiming `carried` as its address.
    void serveBlock(std::uint16_t address, QByteArrayView data, std::optional<std::uint16_t> carried = {})
    {
        answer(readRequestLine(address), {blockReply(data, carried.value_or(address))});
    }

    static QByteArray blockReply(QByteArrayView data, std::uint16_t address)
    {
        Frame frame{};
        std::copy_n(data.begin(), std::min<qsizetype>(data.size(), kBlockSize), frame.begin());
        setFrameAddress(frame, address);
        storeChecksumLsbFirst(frame);
        return "RDFL" + frameToHex(frame);
    }

private:
    void reply(const QByteArray& line)
    {
        const auto found = m_replies.constFind(line);
        if (found != m_replies.constEnd() && !found->isEmpty())
            m_sim.sendLine(found->join('\r'));
    }

    ModuleSimulator& m_sim;
    QHash<QByteArray, QByteArrayList> m_replies;
};
