#include "maint/FirmwareTransfer.h"

#include "maint/FirmwareTexts.h"

#include "link/DeviceLink.h"

namespace firmware {

FirmwareTransfer::FirmwareTransfer(DeviceLink& link)
    : m_link(link)
{
}

const QString& FirmwareTransfer::failureText() const
{
    return m_link.blocks().failureText();
}

TransferOutcome FirmwareTransfer::transfer(FirmwareImage image, const StatusSink& status,
                                           const FrameSink& frameStarted)
{
    if (!m_link.isOpen())
        return TransferOutcome::NoLink;
    const auto transaction = m_link.beginTransaction();
    if (!transaction)
        return TransferOutcome::Busy;
    m_stopRequested = false;
    if (!m_link.blocks().CheckInstallerCode()) {
        status(text::firmwareTransferFailed);
        return TransferOutcome::LoginFailed;
    }
    status(text::firmwareTransferring);
    bool failed = false;
    for (int f = 0; f < image.frameCount() && !m_stopRequested && !failed; ++f) {
        frameStarted(f);
        failed = !sendFrame(image.frames[std::size_t(f)]) && !m_stopRequested;
    }
    // Stop wins over a failure that came in the same wait.
    if (m_stopRequested) {
        status(text::firmwareStopped);
        return TransferOutcome::Stopped;
    }
    status(failed ? text::firmwareTransferFailed : text::firmwareTransferred);
    return failed ? TransferOutcome::FrameFailed : TransferOutcome::Done;
}

bool FirmwareTransfer::sendFrame(const Frame& frame)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // A port that went away cannot take the frame; do not wait for it.
        if (m_stopRequested || !m_link.isOpen())
            return false;
        if (m_link.blocks().writeBlock(frame, WriteConfirmation::Acknowledged))
            return true;
    }
    return false;
}

CheckOutcome FirmwareTransfer::check(const FirmwareImage& image, const StatusSink& status)
{
    const Frame control = image.control;
    if (!m_link.isOpen())
        return CheckOutcome::NoLink;
    const auto transaction = m_link.beginTransaction();
    if (!transaction)
        return CheckOutcome::Busy;
    m_stopRequested = false;
    if (!m_link.blocks().CheckInstallerCode()) {
        status(text::firmwareCheckFailed);
        return CheckOutcome::LoginFailed;
    }
    status(text::firmwareChecking);
    if (!m_link.blocks().writeBlock(control, WriteConfirmation::FirmwareConfirmed)) {
        status(text::firmwareCheckFailed);
        return CheckOutcome::NotConfirmed;
    }
    status(text::firmwareChecked);
    return CheckOutcome::Confirmed;
}

} // namespace firmware
