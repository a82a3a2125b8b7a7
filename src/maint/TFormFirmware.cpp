#include "maint/TFormFirmware.h"

#include "maint/FirmwareTexts.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "ui/LinkRefusal.h"
#include "ui/Prompter.h"
#include "ui/WindowShell.h"
#include "params/DataFile.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Frame included.
constexpr QSize kOuterSize{287, 248};
} // namespace

TFormFirmware::TFormFirmware(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
    , m_link(link)
    , m_transfer(link)
{
    buildControls();
}

void TFormFirmware::buildControls()
{
    setWindowTitle(QStringLiteral("Firmware Letöltő"));
    keepOuterSize(*this, kOuterSize);
    auto* layout = new QVBoxLayout(this);
    btLoad = new QPushButton(QStringLiteral("Új firmware beolvasása fájlból"), this);
    btStart = new QPushButton(QStringLiteral("Letöltés indítása"), this);
    btStart->setEnabled(false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setValue(0);
    btCRC_Restart = new QPushButton(QStringLiteral("CRC ellenőrzés és újraindítás"), this);
    btStop = new QPushButton(QStringLiteral("Stop"), this);
    btClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
    for (QWidget* w : {static_cast<QWidget*>(btLoad), static_cast<QWidget*>(btStart),
                       static_cast<QWidget*>(ProgressBar1), static_cast<QWidget*>(btCRC_Restart)})
        layout->addWidget(w);
    layout->addStretch(1);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(btStop);
    bottomRow->addStretch(1);
    bottomRow->addWidget(btClose);
    layout->addLayout(bottomRow);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    layout->addWidget(StatusBar1);

    const std::pair<QPushButton*, void (TFormFirmware::*)()> handlers[] = {
        {btLoad, &TFormFirmware::btLoadClick},          {btStart, &TFormFirmware::btStartClick},
        {btCRC_Restart, &TFormFirmware::btCRC_RestartClick}, {btStop, &TFormFirmware::btStopClick},
        {btClose, &TFormFirmware::btCloseClick},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);
}

bool TFormFirmware::refusedToStart()
{
    return ::refusedToStart(m_link, [this](const QString& text) { showStatus(text); });
}

void TFormFirmware::reportLoginFailure()
{
    prompter().message(m_transfer.failureText());
}

void TFormFirmware::btLoadClick()
{
    const QString path = prompter().openFileName(params::datafile::toQtFilter(text::firmwareFilter),
                                                 text::firmwareDefaultSuffix, text::firmwareInitialName);
    if (path.isEmpty())
        return;
    // A file that is refused leaves the frames of the previous one, and the
    // start button, as they were.
    const firmware::FirmwareFile file = firmware::readFirmwareFile(path);
    switch (file.status) {
    case firmware::FirmwareFile::Status::Unreadable:
        prompter().error(text::firmwareFileUnreadable(path, file.error));
        return;
    case firmware::FirmwareFile::Status::ShortLine:
        prompter().error(text::firmwareLineRefused(path, file.lineNumber));
        return;
    case firmware::FirmwareFile::Status::Good: break;
    }
    m_image = firmware::BuildFirmwareFrames(file.lines);
    btStart->setEnabled(true);
    showStatus(text::firmwareLoaded);
}

void TFormFirmware::btStartClick()
{
    if (refusedToStart())
        return;
    ProgressBar1->setRange(0, std::max(0, m_image.frameCount() - 1));
    ProgressBar1->setValue(0);
    setRunning(true);
    // The transfer sends its own copy of the frames.
    const firmware::TransferOutcome outcome = m_transfer.transfer(
        m_image, [this](const QString& t) { showStatus(t); }, [this](int f) { ProgressBar1->setValue(f); });
    if (outcome == firmware::TransferOutcome::LoginFailed)
        reportLoginFailure();
    setRunning(false);
}

void TFormFirmware::btCRC_RestartClick()
{
    if (refusedToStart())
        return;
    setRunning(true);
    const firmware::CheckOutcome outcome = m_transfer.check(m_image, [this](const QString& t) { showStatus(t); });
    if (outcome == firmware::CheckOutcome::LoginFailed)
        reportLoginFailure();
    else if (outcome == firmware::CheckOutcome::Confirmed)
        prompter().message(text::firmwareRestarting);
    setRunning(false);
}

void TFormFirmware::btStopClick()
{
    m_transfer.requestStop();
}

void TFormFirmware::btCloseClick()
{
    hide();
}

void TFormFirmware::setRunning(bool running)
{
    // The check button is enabled whenever nothing runs; the start button
    // only when there are frames to send as well.
    btLoad->setEnabled(!running);
    btCRC_Restart->setEnabled(!running);
    btStart->setEnabled(!running && m_image.frameCount() > 0);
}

void TFormFirmware::showStatus(const QString& text)
{
    StatusBar1->showMessage(text);
}
