#pragma once

#include "maint/ClockAccess.h"

#include <QDialog>

class DeviceLink;
class QPushButton;
class QStatusBar;

// Reads the module's clock and sets it from this computer's clock. Shown
// modally by the main window.
class TFormClock : public QDialog
{
    Q_OBJECT
public:
    explicit TFormClock(DeviceLink& link, QWidget* parent = nullptr);

    // Where the time to set comes from: this computer's local time unless a
    // test gives another.
    void setTimeSource(maint::TimeSource source) { m_now = std::move(source); }

    // Handlers.
    void btReadClockClick();
    void btSetTimeClick();
    void btCloseClick();

    QPushButton* btReadClock = nullptr;
    QPushButton* btSetTime = nullptr;
    QPushButton* btClose = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    void buildControls();
    void showStatus(const QString& text);
    // True, after saying why, when a read or a setting cannot start now:
    // the port is closed or another transaction holds the link. Nothing is
    // changed then.
    bool refusedToStart();
    // Both transactions' buttons, off while either of them runs.
    void setButtonsEnabled(bool enabled);
    // The message boxes and texts of an outcome that the core does not show.
    void reportOutcome(maint::ClockOutcome outcome);

    DeviceLink& m_link;
    maint::TimeSource m_now;
};
