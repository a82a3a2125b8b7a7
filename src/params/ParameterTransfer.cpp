#include "params/ParameterTransfer.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "link/VersionQuery.h"
#include "params/ImageArchiving.h"
#include "params/ImageComparison.h"

#include <algorithm>
#include <utility>

namespace params {

namespace {

constexpr int kBlocks = ParameterImage::kBlockCount;
// The version query stores this until the module has reported a version.
constexpr int kVersionUnknown = -1;

// Parameter block n is module block address n.
std::uint16_t blockAddress(int block)
{
    return std::uint16_t(block);
}

BlockData frameData(const Frame& f)
{
    return BlockData(f.data(), frame::kDataSize);
}

} // namespace

QString dataVersionMismatchText(int moduleDataVersion)
{
    return QStringLiteral("Ehhez a GSM-Sentrova programverzióhoz másik Sentrova Pultrex program szükséges!   "
                          "(SentrovaDataVer=")
        + QString::number(moduleDataVersion) + QStringLiteral(" , PultrexDataVer=")
        + QString::number(supportedDataVersion) + u')';
}

ParameterTransfer::ParameterTransfer(DeviceLink& link, ParameterImage& image, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_image(image)
{
}

TransferOutcome ParameterTransfer::run(TransferKind kind)
{
    if (!m_link.isOpen())
        return TransferOutcome::PortClosed;
    std::optional<Transaction> transaction = m_link.beginTransaction();
    if (!transaction)
        return TransferOutcome::Busy;
    emit started(kind);
    TransferOutcome outcome = transact(kind);
    // A device lost on the way, not the module, broke the block step.
    if ((outcome == TransferOutcome::BlockFailed || outcome == TransferOutcome::ActivationFailed
         || outcome == TransferOutcome::VersionMismatch || outcome == TransferOutcome::VersionUnread)
        && !m_link.isOpen())
        outcome = TransferOutcome::PortClosed;
    // Frees the link and lets the code timer run again before anyone hears
    // of the end.
    transaction.reset();
    archiveResult(kind, outcome);
    emit finished(kind, outcome);
    return outcome;
}

TransferOutcome ParameterTransfer::transact(TransferKind kind)
{
    m_blocksRead = 0;
    if (!login())
        return TransferOutcome::LoginFailed;
    switch (checkDataVersion()) {
    case VersionCheck::Matches: break;
    case VersionCheck::Mismatch: return TransferOutcome::VersionMismatch;
    case VersionCheck::LoginFailed: return TransferOutcome::LoginFailed;
    case VersionCheck::Unread: return TransferOutcome::VersionUnread;
    }
    switch (kind) {
    case TransferKind::Read: return readBlocks();
    case TransferKind::Write: return writeBlocks();
    case TransferKind::Compare: return compareBlocks();
    }
    return TransferOutcome::BlockFailed;
}

bool ParameterTransfer::login()
{
    BlockTransfer& blocks = m_link.blocks();
    if (blocks.CheckInstallerCode())
        return true;
    emit loginFailed(blocks.failureText());
    return false;
}

ParameterTransfer::VersionCheck ParameterTransfer::checkDataVersion()
{
    m_link.moduleDataVersion = kVersionUnknown;
    // The query's own text is not shown; its progress texts go to the main
    // window's status bar, as for any version query.
    const QString result = QueryVersion(m_link, [this](const QString& text) {
        if (const auto& statusBar = m_link.dispatcher().receivers.statusBar)
            statusBar(text);
    });
    if (m_link.moduleDataVersion == supportedDataVersion)
        return VersionCheck::Matches;
    // A device that went away during the query left no version to compare;
    // the transfer reports the closed port instead.
    if (!m_link.isOpen())
        return VersionCheck::Unread;
    if (m_link.moduleDataVersion != kVersionUnknown) {
        emit versionMismatch(dataVersionMismatchText(m_link.moduleDataVersion));
        return VersionCheck::Mismatch;
    }
    // No version arrived, so none may be named as the module's: the query's
    // own code check failed (its text says why), or the version block did
    // not come or came damaged.
    if (!result.isEmpty()) {
        emit loginFailed(result);
        return VersionCheck::LoginFailed;
    }
    emit versionUnread(text::readFailed);
    return VersionCheck::Unread;
}

TransferOutcome ParameterTransfer::readBlocks()
{
    for (int n = 0; n < kBlocks; ++n) {
        emit blockStarted(n);
        if (!m_link.blocks().readBlock(blockAddress(n))) {
            emit blockFailed(n);
            return TransferOutcome::BlockFailed;
        }
        m_stagingFrames[std::size_t(n)] = m_link.frameBuffer();
        m_blocksRead = n + 1;
        emit blockDone(n);
    }
    // Only a complete read replaces the image, and then all of it.
    m_image = stagedImage();
    return TransferOutcome::Done;
}

TransferOutcome ParameterTransfer::writeBlocks()
{
    for (int n = 0; n < kBlocks; ++n)
        m_stagingFrames[std::size_t(n)] = BuildWriteFrame(std::as_const(m_image).block(n), blockAddress(n));
    BlockTransfer& blocks = m_link.blocks();
    for (int n = 0; n < kBlocks; ++n) {
        emit blockStarted(n);
        if (!blocks.writeParameterBlock(m_stagingFrames[std::size_t(n)])) {
            emit blockFailed(n);
            return TransferOutcome::BlockFailed;
        }
        emit blockDone(n);
    }
    if (!blocks.activate()) {
        emit activationFailed();
        return TransferOutcome::ActivationFailed;
    }
    return TransferOutcome::Done;
}

TransferOutcome ParameterTransfer::compareBlocks()
{
    for (int n = 0; n < kBlocks; ++n) {
        emit blockStarted(n);
        if (!m_link.blocks().readBlock(blockAddress(n))) {
            emit blockFailed(n);
            return TransferOutcome::BlockFailed;
        }
        m_stagingFrames[std::size_t(n)] = m_link.frameBuffer();
        m_blocksRead = n + 1;
        if (!blockMatchesImage(m_image, n, frameData(m_link.frameBuffer()))) {
            emit blockDiffers(n);
            return TransferOutcome::Differs;
        }
        emit blockDone(n);
    }
    return TransferOutcome::Done;
}

ParameterImage ParameterTransfer::stagedImage() const
{
    ParameterImage image;
    for (int n = 0; n < kBlocks; ++n) {
        const Frame& staged = m_stagingFrames[std::size_t(n)];
        std::copy_n(staged.begin(), frame::kDataSize, image.block(n).begin());
    }
    return image;
}

void ParameterTransfer::archiveResult(TransferKind kind, TransferOutcome outcome)
{
    // The staging frames hold what the module holds: the blocks read, or
    // the blocks written and activated. A comparison stops at the first
    // differing block, so only one that read all eight knows the module's
    // whole memory.
    const bool complete = outcome == TransferOutcome::Done || (kind == TransferKind::Compare && m_blocksRead == kBlocks);
    if (!complete)
        return;
    const archive::Operation operation = kind == TransferKind::Read ? archive::Operation::Read
        : kind == TransferKind::Write                                ? archive::Operation::Write
                                                                     : archive::Operation::Compare;
    archiveImage(m_archive, operation, m_link.connectionPlace(), {m_link.moduleProgramVersion, m_link.moduleDataVersion},
                 stagedImage());
}

} // namespace params
