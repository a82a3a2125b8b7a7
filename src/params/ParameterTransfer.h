#pragma once

#include "link/BlockFrame.h"
#include "params/ParameterImage.h"

#include <QObject>
#include <QString>

#include <array>

class DeviceLink;

namespace archive {
class ImageArchive;
}

namespace params {

enum class TransferKind { Read, Write, Compare };

// How a transfer ended. Only PortClosed and Busy leave before the
// transaction starts; every other outcome follows a `started` signal.
enum class TransferOutcome {
    Done,             // all eight blocks read, written and activated, or found equal
    PortClosed,       // nothing was done
    Busy,             // another transaction holds the link; nothing was sent
    LoginFailed,      // the installer code check failed
    VersionMismatch,  // the module's data version is not the supported one
    VersionUnread,    // the version block did not arrive, or arrived damaged
    BlockFailed,      // a block was not read, or a write was not acknowledged
    Differs,          // compare: a block differs from the image
    ActivationFailed, // write: "WRACT" was not confirmed
};

// The module's data version does not match the program's.
QString dataVersionMismatchText(int moduleDataVersion);

// The parameter transfers between the image and the module: read, write with
// activation, and compare. Each runs as one transaction on the link: the
// installer code check, the data-version check, then the eight blocks in
// order, stopping at the first that fails. It shows nothing itself; a window
// or the command-line tool renders the signals.
//
// With an archive, a complete read, an activated write and a comparison that
// read all eight blocks (equal or not) archive what the module holds, after
// the transaction and before `finished`.
class ParameterTransfer : public QObject
{
    Q_OBJECT
public:
    ParameterTransfer(DeviceLink& link, ParameterImage& image, QObject* parent = nullptr);

    void setArchive(archive::ImageArchive* archive) { m_archive = archive; }

    TransferOutcome run(TransferKind kind);
    TransferOutcome read() { return run(TransferKind::Read); }
    TransferOutcome write() { return run(TransferKind::Write); }
    TransferOutcome compare() { return run(TransferKind::Compare); }

signals:
    // The transaction holds the link (the code timer is paused); the login
    // comes next.
    void started(params::TransferKind kind);
    void loginFailed(const QString& failureText);
    void versionMismatch(const QString& message);
    // The version block could not be read: no version is known, so none is
    // named; `failureText` says the read failed.
    void versionUnread(const QString& failureText);
    // Blocks are numbered 0 to 7.
    void blockStarted(int block);
    // Read, acknowledged, or found equal.
    void blockDone(int block);
    // Not read (read and compare) or not acknowledged (write).
    void blockFailed(int block);
    void blockDiffers(int block);
    void activationFailed();
    // The transaction has ended and the link is free again.
    void finished(params::TransferKind kind, params::TransferOutcome outcome);

private:
    TransferOutcome transact(TransferKind kind);
    enum class VersionCheck { Matches, Mismatch, LoginFailed, Unread };

    bool login();
    VersionCheck checkDataVersion();
    TransferOutcome readBlocks();
    TransferOutcome writeBlocks();
    TransferOutcome compareBlocks();
    ParameterImage stagedImage() const;
    void archiveResult(TransferKind kind, TransferOutcome outcome);

    DeviceLink& m_link;
    ParameterImage& m_image;
    archive::ImageArchive* m_archive = nullptr;
    // Blocks read in this transfer, for the comparison's archive entry.
    int m_blocksRead = 0;
    // The frames of one transfer: as read from the module, or as built for
    // writing. The image changes only after all eight were read.
    std::array<Frame, ParameterImage::kBlockCount> m_stagingFrames{};
};

} // namespace params
