#include "monitor/EventMemoryDownload.h"

#include "monitor/EventListTexts.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"

#include <algorithm>

namespace monitor {

namespace {
constexpr std::uint16_t kFirstEventBlock = 0xF000;
constexpr std::uint16_t kFirstNameBlock = 0x0000;
constexpr int kEventBlockCount = kEventMemorySize / frame::kDataSize;
constexpr int kNameBlockCount = kNameBlocksSize / frame::kDataSize;
} // namespace

// Which blocks one download reads and the texts it shows.
struct EventMemoryDownload::Download
{
    std::uint16_t firstBlock;
    int blockCount;
    const QString& loading;
    const QString& loaded;
};

EventMemoryDownload::EventMemoryDownload(DeviceLink& link)
    : m_link(link)
{
}

DownloadOutcome EventMemoryDownload::loadEvents(const StatusSink& status)
{
    return load({kFirstEventBlock, kEventBlockCount, text::eventsLoading, text::eventsLoaded},
                m_eventMemory.data(), status);
}

DownloadOutcome EventMemoryDownload::loadNames(const StatusSink& status)
{
    const DownloadOutcome outcome = load(
        {kFirstNameBlock, kNameBlockCount, text::namesLoading, text::namesLoaded}, m_nameBlocks.data(), status);
    if (outcome == DownloadOutcome::Done)
        m_names = namesFromBlocks(nameBlocks());
    return outcome;
}

DownloadOutcome EventMemoryDownload::load(const Download& download, std::uint8_t* target, const StatusSink& status)
{
    const auto show = [&](const QString& text) {
        if (status)
            status(text);
    };
    if (!m_link.isOpen())
        return DownloadOutcome::NoLink;
    const auto transaction = m_link.beginTransaction();
    if (!transaction)
        return DownloadOutcome::Busy;
    show(download.loading + text::loadingEllipsis);
    BlockTransfer& blocks = m_link.blocks();
    if (!blocks.CheckInstallerCode()) {
        show(text::readFailed);
        return DownloadOutcome::LoginFailed;
    }
    for (int n = 0; n < download.blockCount; ++n) {
        // The block number travels in the low address byte and must be n.
        if (!blocks.readBlock(std::uint16_t(download.firstBlock + n), BlockNumberCheck::Required)) {
            show(text::readFailed);
            // A device lost on the way, not the module, broke the read.
            return m_link.isOpen() ? DownloadOutcome::ReadFailed : DownloadOutcome::NoLink;
        }
        show(download.loading + u' ' + QString::number(n) + text::loadingEllipsis);
        const Frame& frame = m_link.frameBuffer();
        std::copy_n(frame.begin(), frame::kDataSize, target + std::ptrdiff_t(n) * frame::kDataSize);
    }
    show(download.loaded);
    return DownloadOutcome::Done;
}

QByteArrayView EventMemoryDownload::eventMemory() const
{
    return QByteArrayView(m_eventMemory.data(), qsizetype(m_eventMemory.size()));
}

QByteArrayView EventMemoryDownload::nameBlocks() const
{
    return QByteArrayView(m_nameBlocks.data(), qsizetype(m_nameBlocks.size()));
}

const QString& EventMemoryDownload::failureText() const
{
    return m_link.blocks().failureText();
}

std::array<EventListRow, kEventGridRows> EventMemoryDownload::rows() const
{
    return eventListRows(eventMemory(), m_names);
}

} // namespace monitor
