#include "monitor/TFormEventlistShort.h"

#include "monitor/EventGrid.h"
#include "monitor/EventListCsv.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "params/DataFile.h"
#include "ui/LinkRefusal.h"
#include "ui/Prompter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kTargetColumnWidth = 20;
constexpr int kWindowWidth = 780;
constexpr int kWindowHeight = 560;

const QString kCsvFilter = QStringLiteral("CSV fájl (*.csv)");
const QString kCsvSuffix = QStringLiteral("csv");
const QString kCsvInitialName = QStringLiteral("eseménylista.csv");
const QString kCsvSaved = QStringLiteral("Eseménylista mentve: ");

EventGrid::Columns eventListColumns()
{
    constexpr std::array<int, monitor::kEventGridColumns> kWidths = {
        54, 114, 157, 167, kTargetColumnWidth, kTargetColumnWidth, kTargetColumnWidth, kTargetColumnWidth,
        kTargetColumnWidth, kTargetColumnWidth, kTargetColumnWidth, kTargetColumnWidth, 32,
        monitor::kStatusColumnWidth,
    };
    EventGrid::Columns columns;
    for (std::size_t c = 0; c < columns.size(); ++c)
        columns[c] = {monitor::kEventListTitles[c].toString(), kWidths[c]};
    return columns;
}

} // namespace

TFormEventlistShort::TFormEventlistShort(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
    , m_link(link)
    , m_download(link)
{
    // The names start empty and the buffer all zero (the download's own
    // state); the grid stays empty until the first complete download.
    buildControls();
}

void TFormEventlistShort::buildControls()
{
    setWindowTitle(QStringLiteral("GSM-Sentrova  Rövid eseménylista"));
    resize(kWindowWidth, kWindowHeight);
    auto* layout = new QVBoxLayout(this);
    acgEvSh = new EventGrid(eventListColumns(), monitor::kEventGridRows, this);
    acgEvSh->setObjectName(QStringLiteral("acgEvSh"));
    layout->addWidget(acgEvSh, 1);

    auto* buttons = new QHBoxLayout;
    btLoadEvents = new QPushButton(QStringLiteral("Eseménylista lekérdezése"), this);
    btLoadNames = new QPushButton(QStringLiteral("Zóna / Felhaszn. nevek letöltése"), this);
    btSaveCsv = new QPushButton(QStringLiteral("Mentés CSV fájlba…"), this);
    btSaveCsv->setEnabled(false); // nothing to save before a list was read
    btClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
    const std::pair<QPushButton*, void (TFormEventlistShort::*)()> handlers[] = {
        {btLoadEvents, &TFormEventlistShort::btLoadEventsClick},
        {btLoadNames, &TFormEventlistShort::btLoadNamesClick},
        {btSaveCsv, &TFormEventlistShort::btSaveCsvClick},
        {btClose, &TFormEventlistShort::btCloseClick},
    };
    for (const auto& [button, handler] : handlers) {
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, handler);
    }
    buttons->insertStretch(2, 1);
    layout->addLayout(buttons);

    StatusBarEventListShort = new QStatusBar(this);
    StatusBarEventListShort->setSizeGripEnabled(false);
    layout->addWidget(StatusBarEventListShort);
}

void TFormEventlistShort::btLoadEventsClick()
{
    QStatusBar* bar = StatusBarEventListShort;
    if (refusedToStart(bar))
        return;
    setDownloadButtonsEnabled(false);
    const auto outcome = m_download.loadEvents([bar](const QString& text) { bar->showMessage(text); });
    if (outcome == monitor::DownloadOutcome::Done) {
        FillEventGrid();
        m_eventsShown = true;
    } else {
        reportOutcome(outcome, bar);
    }
    setDownloadButtonsEnabled(true);
}

void TFormEventlistShort::btLoadNamesClick()
{
    LoadNames(StatusBarEventListShort);
}

void TFormEventlistShort::LoadNames(QStatusBar* statusBar)
{
    if (refusedToStart(statusBar))
        return;
    setDownloadButtonsEnabled(false);
    const auto outcome = m_download.loadNames([statusBar](const QString& text) { statusBar->showMessage(text); });
    if (outcome == monitor::DownloadOutcome::Done)
        FillEventGrid();
    else
        reportOutcome(outcome, statusBar);
    setDownloadButtonsEnabled(true);
}

bool TFormEventlistShort::refusedToStart(QStatusBar* statusBar)
{
    return ::refusedToStart(m_link, [statusBar](const QString& text) { statusBar->showMessage(text); });
}

void TFormEventlistShort::setDownloadButtonsEnabled(bool enabled)
{
    btLoadEvents->setEnabled(enabled);
    btLoadNames->setEnabled(enabled);
    btSaveCsv->setEnabled(enabled && m_eventsShown);
}

void TFormEventlistShort::btSaveCsvClick()
{
    const QString path = prompter().saveFileName(kCsvFilter, kCsvSuffix, kCsvInitialName);
    if (path.isEmpty())
        return;
    if (const params::FileResult result = params::SaveWholeFile(path, monitor::eventListCsv(m_shownRows));
        !result) {
        prompter().error(result.error);
        return;
    }
    StatusBarEventListShort->showMessage(kCsvSaved + path);
}

void TFormEventlistShort::reportOutcome(monitor::DownloadOutcome outcome, QStatusBar* statusBar)
{
    switch (outcome) {
    case monitor::DownloadOutcome::NoLink: prompter().message(text::noSerialLink); break;
    case monitor::DownloadOutcome::Busy: statusBar->showMessage(text::otherTransactionRunning); break;
    case monitor::DownloadOutcome::LoginFailed: prompter().message(m_download.failureText()); break;
    case monitor::DownloadOutcome::ReadFailed:
    case monitor::DownloadOutcome::Done: break;
    }
}

void TFormEventlistShort::FillEventGrid()
{
    m_shownRows = m_download.rows();
    for (int r = 0; r < monitor::kEventGridRows; ++r)
        acgEvSh->showRow(r, monitor::eventGridTexts(m_shownRows[std::size_t(r)]));
}

bool TFormEventlistShort::IsBlankName(QStringView name)
{
    return monitor::IsBlankName(name);
}

void TFormEventlistShort::btCloseClick()
{
    hide();
}
