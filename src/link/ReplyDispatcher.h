#pragma once

#include "link/BlockFrame.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The flags on which every waiting operation polls. The dispatcher only ever
// sets them; the operation that waits for one clears it just before its request.
struct ReplyFlags
{
    bool remoteConnected = false;
    bool codeRejected = false;
    bool codeAccepted = false;
    bool okReceived = false;
    bool writeAcknowledged = false;
    bool writeFailed = false;
    bool radioTeachFailed = false;
    bool crcConfirmed = false;
    bool firmwareConfirmed = false;
    bool frameGood = false;
    bool frameBad = false;
};

// Recognises the module's reply tokens in every received line, sets the reply
// flags, decodes block frames into `frameBuffer` and hands status and radio
// reports to whoever receives them. It never sends and never waits.
class ReplyDispatcher
{
public:
    using LineReceiver = std::function<void(const QByteArray&)>;
    using TextReceiver = std::function<void(const QString&)>;
    using Notifier = std::function<void()>;

    // Receivers; an unset receiver ignores its lines.
    struct Receivers
    {
        LineReceiver statusReport;   // "AT_["
        LineReceiver lastEvents;     // "AT_{"
        LineReceiver moduleMessage;  // "AT_/"
        LineReceiver radioReport;    // "AT_<"
        TextReceiver statusBar;      // texts for the main window's status bar
        Notifier remoteConnected;    // "CONNECT": the periodic code check resumes
    };

    void HandleReply(const QByteArray& line);

    // True when the frame buffer holds a good frame and no bad frame came
    // after it. Two frames can arrive within one wait: a malformed one
    // overwrites part of the good one before it, while frameGood stays set.
    bool holdsGoodFrame() const { return m_lastFrameGood; }

    ReplyFlags flags;
    Frame frameBuffer{};
    Receivers receivers;

private:
    bool m_lastFrameGood = false;
};
