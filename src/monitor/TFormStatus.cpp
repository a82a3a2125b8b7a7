#include "monitor/TFormStatus.h"

#include "monitor/EventGrid.h"
#include "monitor/LastEvents.h"
#include "monitor/ModuleMessage.h"
#include "monitor/StatusTexts.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/ToneLabel.h"

#include "link/Commands.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "link/Ticks.h"
#include "link/WaitLoop.h"
#include "monitor/AlarmStop.h"
#include "ui/LinkRefusal.h"
#include "ui/ModalLoop.h"
#include "ui/Prompter.h"
#include "ui/WindowShell.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {
// Quiet spells before the first and the second alarm stop command, in
// status-timer ticks plus the one that keeps polling held.
constexpr int kQuietBeforeFirstStop = 6;
constexpr int kQuietBeforeSecondStop = 4;
// Quiet spell before the names download.
constexpr int kQuietBeforeNames = 6;
} // namespace

TFormStatus::TFormStatus(DeviceLink& link, TFormEventlistShort& eventList, QWidget* parent)
    : QDialog(parent)
    , m_link(link)
    , m_eventList(eventList)
{
    buildControls();
    connectHandlers();
    plugReceivers();
}

TFormStatus::~TFormStatus()
{
    auto& receivers = m_link.dispatcher().receivers;
    receivers.statusReport = {};
    receivers.lastEvents = {};
    receivers.moduleMessage = {};
}

void TFormStatus::plugReceivers()
{
    // Status lines reach the window whether it is shown or not.
    auto& receivers = m_link.dispatcher().receivers;
    receivers.statusReport = [this](const QByteArray& line) { ShowStatusReport(line); };
    receivers.lastEvents = [this](const QByteArray& line) { ShowLastEvents(line); };
    receivers.moduleMessage = [this](const QByteArray& line) { ShowModuleMessage(line); };
}

void TFormStatus::openModal()
{
    // Closed during a quiet spell or a download, the window's loop still runs
    // until that ends: the polling and its hold are that loop's.
    if (modalLoopRunning(*this))
        return;
    StatusTimer->start();
    m_poll.resume();
    execModal(*this);
    StatusTimer->stop();
}

void TFormStatus::stopPolling()
{
    StatusTimer->stop();
}

void TFormStatus::ShowStatusReport(const QByteArray& line)
{
    // A report that fails its checks changes nothing.
    if (const auto report = monitor::parseStatusReport(line))
        showReport(*report);
}

void TFormStatus::showReport(const monitor::StatusReport& report)
{
    using monitor::showToneText;
    for (std::size_t n = 0; n < inputs.size(); ++n)
        inputs[n].show(report.inputs[n]);
    lbINEA->setText(report.armingInputLoops[0]);
    lbINEB->setText(report.armingInputLoops[1]);
    lbAkku->setText(monitor::supplyVoltageText(report.voltages));
    showToneText(*lbPart1, report.partitions[0]);
    showToneText(*lbPart2, report.partitions[1]);
    showToneText(*lbOUT1, report.outputs[0]);
    showToneText(*lbOUT2, report.outputs[1]);
    showToneText(*lbKezelo, report.keypadSupply);
    showToneText(*lbFix, report.fixedSupply);
    for (std::size_t r = 0; r < lbREL.size(); ++r)
        showToneText(*lbREL[r], report.relays[r]);
    // The bar cannot show a value outside its range; the label shows it as sent.
    pbTerero->setValue(qBound(0, report.gsmSignal, monitor::kGsmSignalMax));
    lbGSMpowVal->setText(QString::number(report.gsmSignal));
    showToneText(*lbAC, report.mains);
    lbTempVal->setText(report.temperature);
}

void TFormStatus::ShowLastEvents(const QByteArray& line)
{
    const auto rows = monitor::parseLastEvents(line);
    for (int r = 0; r < kLastEventRows; ++r)
        acgEvSh->showRecord(r, rows[std::size_t(r)]);
}

void TFormStatus::ShowModuleMessage(const QByteArray& line)
{
    Memo1->addLine(monitor::moduleMessageText(line));
}

void TFormStatus::RefreshInputCaptions()
{
    const auto& zones = m_eventList.zoneNames();
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        const QString& name = zones[n];
        inputs[n].panel->setCaption(TFormEventlistShort::IsBlankName(name)
                                        ? text::inputCaptionPrefix + QString::number(n + 1)
                                        : name);
    }
}

void TFormStatus::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
    FormShow();
}

void TFormStatus::FormShow()
{
    RefreshInputCaptions();
}

void TFormStatus::StatusTimerTimer()
{
    // The hold counts down as usual, but no poll goes out while another
    // window's transaction waits for its answer.
    if (const auto command = m_poll.tick(m_link.isOpen()); command && !m_link.transactionRunning())
        m_link.SendCommand(*command);
}

void TFormStatus::holdPolling(int ticks)
{
    m_poll.hold(ticks);
    // Only the running status timer counts the hold down, and only while the
    // port is open; without either the wait would never end.
    pumpWhile([this] { return !m_poll.holdRunDown() && StatusTimer->isActive() && m_link.isOpen(); });
}

void TFormStatus::btCloseClick()
{
    close();
}

void TFormStatus::btClearMsgClick()
{
    Memo1->clearLines();
}

void TFormStatus::btLoadZoneNamesClick()
{
    // Its code check would be answered while another transaction waits for
    // a verdict (the alarm stop's "PWDOK").
    if (refusedToStart(m_link))
        return;
    setHoldingButtonsEnabled(false);
    StatusBar1->showMessage(text::statusNamesLoading);
    holdPolling(kQuietBeforeNames);
    m_link.SendCommand(command::kCodeCheck);
    m_eventList.LoadNames(StatusBar1);
    StatusBar1->clearMessage();
    m_poll.resume();
    setHoldingButtonsEnabled(true);
    RefreshInputCaptions();
}

void TFormStatus::setHoldingButtonsEnabled(bool enabled)
{
    btLoadZoneNames->setEnabled(enabled);
    btSotpAllAlarm->setEnabled(enabled);
}

void TFormStatus::btSotpAllAlarmClick()
{
    // Refused before the question: a Yes could not be kept.
    if (refusedWhileBusy(m_link) || !prompter().confirm(text::alarmStopQuestion))
        return;
    if (!m_link.isOpen()) {
        prompter().message(text::noSerialLink);
        return;
    }
    const auto transaction = takeLinkOrSayBusy(m_link);
    if (!transaction)
        return;
    setHoldingButtonsEnabled(false);
    StatusBar1->showMessage(text::alarmsStopping);
    // Polling stays held from the first quiet spell until the verdict has
    // been shown: no RPWS or RPWE goes out between the stop commands.
    holdPolling(kQuietBeforeFirstStop);
    m_link.SendCommand(command::kAlarmStop);
    holdPolling(kQuietBeforeSecondStop);
    m_link.SendCommand(command::kAlarmStop);
    const CodeVerdict verdict = m_link.blocks().sendForVerdict(command::kAlarmStop, ticks::kAlarmStop);
    prompter().message(text::alarmStopVerdict(verdict, m_link.isOpen()));
    setHoldingButtonsEnabled(true);
    StatusBar1->clearMessage();
    m_poll.resume();
}

void TFormStatus::btP1OFFClick()
{
    sendPartitionCommand(command::kDisarmP1);
}

void TFormStatus::btP2OFFClick()
{
    sendPartitionCommand(command::kDisarmP2);
}

void TFormStatus::btP1ONClick()
{
    sendPartitionCommand(command::kArmP1);
}

void TFormStatus::btP2ONClick()
{
    sendPartitionCommand(command::kArmP2);
}

void TFormStatus::sendPartitionCommand(std::uint8_t index)
{
    // The module's answer (a refusal of the code) would be taken for the
    // verdict of a transaction waiting meanwhile.
    if (refusedWhileBusy(m_link))
        return;
    m_link.SendCommand(index);
}
