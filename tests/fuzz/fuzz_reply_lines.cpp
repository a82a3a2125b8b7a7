// Received bytes through the line assembler into the reply dispatcher, whose
// status, last-events and message lines go on to their decoders.

#include "FuzzInput.h"

#include "link/LineAssembler.h"
#include "link/ReplyDispatcher.h"
#include "monitor/LastEvents.h"
#include "monitor/ModuleMessage.h"
#include "monitor/StatusReport.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReplyDispatcher dispatcher;
    dispatcher.receivers.statusReport = [](const QByteArray& line) { (void)monitor::parseStatusReport(line); };
    dispatcher.receivers.lastEvents = [](const QByteArray& line) { (void)monitor::parseLastEvents(line); };
    dispatcher.receivers.moduleMessage = [](const QByteArray& line) { (void)monitor::moduleMessageText(line); };
    dispatcher.receivers.statusBar = [](const QString&) {};
    dispatcher.receivers.remoteConnected = [] {};
    LineAssembler lines([&](const QByteArray& line) { dispatcher.HandleReply(line); });
    for (char byte : fuzzBytes(data, size))
        lines.feed(byte);
    return 0;
}
