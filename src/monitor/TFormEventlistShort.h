#pragma once

#include "monitor/EventMemoryDownload.h"

#include <QStringView>
#include <QWidget>

#include <array>

class DeviceLink;
class EventGrid;
class QPushButton;
class QStatusBar;

// The short event list: downloads the module's event memory and its user and
// zone names and shows the newest 90 events with those names. Not modal; its
// close button only hides it, and what it downloaded stays.
class TFormEventlistShort : public QWidget
{
    Q_OBJECT
public:
    explicit TFormEventlistShort(DeviceLink& link, QWidget* parent = nullptr);

    // Handlers.
    void btLoadEventsClick();
    void btLoadNamesClick();
    // Saves the list the grid shows as CSV, the same as the command-line
    // tool's export; possible once an event list has been shown, and not
    // while a download runs.
    void btSaveCsvClick();
    void btCloseClick();

    // Downloads the names with its progress texts in `statusBar` and refills
    // the grid; the status window calls it with its own status bar.
    void LoadNames(QStatusBar* statusBar);

    // Fills the grid from the held event memory and names.
    void FillEventGrid();

    static bool IsBlankName(QStringView name);

    const std::array<QString, monitor::kNameCount>& zoneNames() const { return m_download.names().zones; }
    const std::array<QString, monitor::kNameCount>& userNames() const { return m_download.names().users; }
    const monitor::EventMemoryDownload& download() const { return m_download; }

    EventGrid* acgEvSh = nullptr;
    QPushButton* btLoadEvents = nullptr;
    QPushButton* btLoadNames = nullptr;
    QPushButton* btSaveCsv = nullptr;
    QPushButton* btClose = nullptr;
    QStatusBar* StatusBarEventListShort = nullptr;

private:
    void buildControls();
    // True, after saying why (a busy link in `statusBar`), when a download
    // cannot start now. Nothing is changed then.
    bool refusedToStart(QStatusBar* statusBar);
    // Both downloads' buttons and the save button, off while either
    // download runs; saving needs a list shown.
    void setDownloadButtonsEnabled(bool enabled);
    // Reports what the download's own texts do not: a closed port, a busy
    // link, a refused login.
    void reportOutcome(monitor::DownloadOutcome outcome, QStatusBar* statusBar);

    DeviceLink& m_link;
    monitor::EventMemoryDownload m_download;
    // What the grid shows, kept apart from the download's buffer, which a
    // failed download changes without the grid being refilled.
    std::array<monitor::EventListRow, monitor::kEventGridRows> m_shownRows{};
    bool m_eventsShown = false;
};
