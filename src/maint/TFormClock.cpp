#include "maint/TFormClock.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "ui/LinkRefusal.h"
#include "ui/Prompter.h"

#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
constexpr int kWindowWidth = 374;
constexpr int kWindowHeight = 178;
} // namespace

TFormClock::TFormClock(DeviceLink& link, QWidget* parent)
    : QDialog(parent)
    , m_link(link)
    , m_now([] { return QDateTime::currentDateTime(); })
{
    buildControls();
}

void TFormClock::buildControls()
{
    setWindowTitle(QStringLiteral("GSM-Sentrova - Óra ellenőrzése / beállítása"));
    resize(kWindowWidth, kWindowHeight);
    auto* layout = new QVBoxLayout(this);
    btReadClock = new QPushButton(QStringLiteral("Dátum és idő leolvasása a modulról"), this);
    btSetTime = new QPushButton(QStringLiteral("A modul órájának beállítása a számítógép órája alapján"), this);
    btClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
    const std::pair<QPushButton*, void (TFormClock::*)()> handlers[] = {
        {btReadClock, &TFormClock::btReadClockClick},
        {btSetTime, &TFormClock::btSetTimeClick},
        {btClose, &TFormClock::btCloseClick},
    };
    for (const auto& [button, handler] : handlers) {
        button->setAutoDefault(false);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, handler);
    }
    layout->addStretch(1);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    layout->addWidget(StatusBar1);
}

bool TFormClock::refusedToStart()
{
    return ::refusedToStart(m_link, [this](const QString& text) { showStatus(text); });
}

void TFormClock::setButtonsEnabled(bool enabled)
{
    btReadClock->setEnabled(enabled);
    btSetTime->setEnabled(enabled);
}

void TFormClock::btReadClockClick()
{
    if (refusedToStart())
        return;
    setButtonsEnabled(false);
    const maint::ClockReading reading = maint::ReadModuleClock(m_link, [this](const QString& t) { showStatus(t); });
    if (reading.outcome == maint::ClockOutcome::Done)
        prompter().message(reading.clockLine);
    else
        reportOutcome(reading.outcome);
    setButtonsEnabled(true);
}

void TFormClock::btSetTimeClick()
{
    if (refusedToStart())
        return;
    setButtonsEnabled(false);
    reportOutcome(maint::SetModuleClock(m_link, m_now, [this](const QString& t) { showStatus(t); }));
    setButtonsEnabled(true);
}

void TFormClock::reportOutcome(maint::ClockOutcome outcome)
{
    switch (outcome) {
    case maint::ClockOutcome::NoLink: prompter().message(text::noSerialLink); break;
    case maint::ClockOutcome::Busy: showStatus(text::otherTransactionRunning); break;
    case maint::ClockOutcome::LoginFailed: prompter().message(m_link.blocks().failureText()); break;
    case maint::ClockOutcome::Done:
    case maint::ClockOutcome::Failed: break;
    }
}

void TFormClock::btCloseClick()
{
    close();
}

void TFormClock::showStatus(const QString& text)
{
    StatusBar1->showMessage(text);
}
