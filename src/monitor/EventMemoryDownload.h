#pragma once

#include "monitor/EventList.h"
#include "monitor/EventNames.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class DeviceLink;

// Downloads the module's event memory (blocks F000 to F003) and the user and
// zone names (parameter blocks 0 to 2) over the device link, and keeps both
// for the short event list and its export. Widget-free: progress goes to a
// text sink, the caller decides where to show it.
namespace monitor {

enum class DownloadOutcome {
    Done,
    NoLink,      // the port is closed; nothing was sent
    Busy,        // another transaction is running; nothing was sent
    LoginFailed, // see failureText()
    ReadFailed,  // a block did not arrive, arrived damaged or with another number
};

class EventMemoryDownload
{
public:
    using StatusSink = std::function<void(const QString&)>;

    explicit EventMemoryDownload(DeviceLink& link);

    // Logs in and reads the four event blocks. Every block that arrives is
    // kept, also when a later one fails.
    DownloadOutcome loadEvents(const StatusSink& status = {});

    // Logs in and reads the three name blocks; the names are rebuilt only
    // when all three arrived.
    DownloadOutcome loadNames(const StatusSink& status = {});

    QByteArrayView eventMemory() const;
    QByteArrayView nameBlocks() const;
    const StoredNames& names() const { return m_names; }

    // The installer code check's text after LoginFailed.
    const QString& failureText() const;

    // The event list's rows from what is held now.
    std::array<EventListRow, kEventGridRows> rows() const;

private:
    struct Download;
    DownloadOutcome load(const Download& download, std::uint8_t* target, const StatusSink& status);

    DeviceLink& m_link;
    std::array<std::uint8_t, kEventMemorySize> m_eventMemory{};
    std::array<std::uint8_t, kNameBlocksSize> m_nameBlocks{};
    StoredNames m_names;
};

} // namespace monitor
