#pragma once

#include "maint/FirmwareFrames.h"
#include "maint/FirmwareTransfer.h"

#include <QWidget>

class DeviceLink;
class QProgressBar;
class QPushButton;
class QStatusBar;

// Loads a firmware file, writes its frames into the module and has the
// module check the firmware and restart. Not modal; its close button only
// hides it, and a running transfer goes on.
class TFormFirmware : public QWidget
{
    Q_OBJECT
public:
    explicit TFormFirmware(DeviceLink& link, QWidget* parent = nullptr);

    // Handlers.
    void btLoadClick();
    void btStartClick();
    void btStopClick();
    void btCRC_RestartClick();
    void btCloseClick();

    // The frames and control block of the last file loaded.
    const firmware::FirmwareImage& firmwareFrames() const { return m_image; }

    QPushButton* btLoad = nullptr;
    QPushButton* btStart = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* btCRC_Restart = nullptr;
    QPushButton* btStop = nullptr;
    QPushButton* btClose = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    void buildControls();
    void showStatus(const QString& text);
    // True, after saying why, when a transfer or check cannot start now: the
    // port is closed or another transaction holds the link. Nothing is
    // changed then.
    bool refusedToStart();
    // Where a transfer or check begins and ends: loading, starting and
    // checking are disabled while it runs, enabled again after it.
    void setRunning(bool running);
    void reportLoginFailure();

    DeviceLink& m_link;
    firmware::FirmwareTransfer m_transfer;
    firmware::FirmwareImage m_image;
};
