#include "mainwin/TForm1.h"

#include "link/Commands.h"
#include "link/LinkTexts.h"
#include "link/Ticks.h"
#include "mainwin/MainTexts.h"
#include "monitor/AlarmStop.h"
#include "ui/LinkRefusal.h"
#include "ui/ModalLoop.h"
#include "ui/Prompter.h"
#include "mainwin/SettingsFile.h"
#include "mainwin/TSerialForm.h"
#include "link/VersionQuery.h"
#include "ui/WindowShell.h"
#include "maint/TFormClock.h"
#include "maint/TFormFirmware.h"
#include "maint/TFormRF.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"
#include "params/TFormDownload.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kButtonHeight = 22;
constexpr int kFontPointSize = 8;
const QColor kMaroon(128, 0, 0);

QPushButton* makeButton(const QString& caption, QWidget* parent, bool bold = true)
{
    auto* button = new QPushButton(caption, parent);
    button->setFixedHeight(kButtonHeight);
    if (bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    return button;
}

} // namespace

TForm1::TForm1(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
    , m_link(link)
    , m_modem(link)
{
    buildControls();
    connectHandlers();
    fillPortList();
    m_link.setCodeSource([this] { return edPWD->text(); });
    m_link.dispatcher().receivers.statusBar = [this](const QString& text) { showStatus(text); };
    connect(&m_link.serial(), &SerialLink::portLost, this, &TForm1::portLost);
    showConnected(false);
    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
    m_link.setCodeSource({});
    m_link.dispatcher().receivers.statusBar = {};
}

void TForm1::buildControls()
{
    setFixedSize(kClientWidth, kClientHeight);
    QFont small = font();
    small.setPointSize(kFontPointSize);
    setFont(small);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 0);
    layout->setSpacing(3);

    lbSelectSerialPort = new QLabel(QStringLiteral("Soros port kiválasztása"), this);
    cbCOM = new QComboBox(this);
    btConnect = makeButton(QStringLiteral("Soros kapcsolat létrehozása"), this);
    btDisconnect = makeButton(QStringLiteral("Soros kapcsolat bontása"), this);
    lbGiveMasterCode = new QLabel(QStringLiteral("Telepítői kód megadása"), this);
    edPWD = new QLineEdit(this);
    edPWD->setMaxLength(kCodeMaxLength);
    QFont bold = edPWD->font();
    bold.setBold(true);
    edPWD->setFont(bold);
    lbPhoneNrForRemote = new QLabel(QStringLiteral("Telefonszám megadása távoli eléréshez:"), this);
    edPhoneNr = new QLineEdit(this);
    // Screen readers name the three entry fields by the captions above them.
    for (const auto& [label, field] : {std::pair<QLabel*, QWidget*>{lbSelectSerialPort, cbCOM},
                                       {lbGiveMasterCode, edPWD}, {lbPhoneNrForRemote, edPhoneNr}}) {
        label->setBuddy(field);
        field->setAccessibleName(label->text().chopped(label->text().endsWith(u':') ? 1 : 0));
    }
    btDial = makeButton(QStringLiteral("Tárcsázás"), this);
    btATH = makeButton(QStringLiteral("Vonal bontás"), this);
    btParameterSetting = makeButton(QStringLiteral("Paraméterek beállítása"), this);
    btParameterSetting->setFixedHeight(2 * kButtonHeight);
    btEventlistShort = makeButton(QStringLiteral("Rövid eseménylista lekérdezése"), this);
    btAskVersion = makeButton(QStringLiteral("Modul verziójának lekérdezése"), this);
    btStatus = makeButton(QStringLiteral("Modul állapotának figyelése"), this);
    btClock = makeButton(QStringLiteral("Óra ellenőrzése / beállítása"), this);
    btSotpAllAlarm = makeButton(QStringLiteral("Riasztás leállítása"), this);
    btSotpAllAlarm->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    QPalette maroonText = btSotpAllAlarm->palette();
    maroonText.setColor(QPalette::ButtonText, kMaroon);
    btSotpAllAlarm->setPalette(maroonText);
    btRFlearn = makeButton(QStringLiteral("Rádiós eszközök tanítása"), this);
    btDetails = makeButton(text::detailsFirst, this, false);
    btDetails->setFixedWidth(40);
    btFirmware = makeButton(QStringLiteral("Firmware"), this);
    btFirmware->setVisible(false);
    btClose = makeButton(QStringLiteral("Kilépés"), this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->installEventFilter(this);

    for (QWidget* w : {static_cast<QWidget*>(lbSelectSerialPort), static_cast<QWidget*>(cbCOM)})
        layout->addWidget(w);
    layout->addWidget(btConnect);
    layout->addWidget(btDisconnect);
    layout->addSpacing(4);
    layout->addWidget(lbGiveMasterCode);
    layout->addWidget(edPWD);
    layout->addWidget(lbPhoneNrForRemote);
    layout->addWidget(edPhoneNr);
    auto* modemRow = new QHBoxLayout;
    modemRow->addWidget(btDial);
    modemRow->addWidget(btATH);
    layout->addLayout(modemRow);
    layout->addSpacing(4);
    for (QPushButton* b : {btParameterSetting, btEventlistShort, btAskVersion, btStatus, btClock, btSotpAllAlarm,
                           btRFlearn})
        layout->addWidget(b);
    layout->addStretch(1);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(btDetails);
    bottomRow->addWidget(btFirmware);
    bottomRow->addWidget(btClose, 1);
    layout->addLayout(bottomRow);
    layout->addWidget(StatusBar1);
}

void TForm1::connectHandlers()
{
    const std::pair<QPushButton*, void (TForm1::*)()> handlers[] = {
        {btConnect, &TForm1::btConnectClick},
        {btDisconnect, &TForm1::btDisconnectClick},
        {btDial, &TForm1::btDialClick},
        {btATH, &TForm1::btATHClick},
        {btParameterSetting, &TForm1::btParameterSettingClick},
        {btEventlistShort, &TForm1::btEventlistShortClick},
        {btAskVersion, &TForm1::btAskVersionClick},
        {btStatus, &TForm1::btStatusClick},
        {btClock, &TForm1::btClockClick},
        {btSotpAllAlarm, &TForm1::btSotpAllAlarmClick},
        {btRFlearn, &TForm1::btRFlearnClick},
        {btDetails, &TForm1::btDetailsClick},
        {btFirmware, &TForm1::btFirmwareClick},
        {btClose, &TForm1::btCloseClick},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);
    connect(cbCOM, &QComboBox::activated, this, &TForm1::cbCOMChange);
}

void TForm1::fillPortList()
{
    cbCOM->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = normalisePortName(info.portName());
        if (cbCOM->findText(name) < 0)
            cbCOM->addItem(name);
    }
}

void TForm1::selectPort(const QString& name)
{
    int index = cbCOM->findText(name);
    if (index < 0) {
        cbCOM->addItem(name);
        index = cbCOM->count() - 1;
    }
    cbCOM->setCurrentIndex(index);
}

void TForm1::addPort(const QString& path)
{
    selectPort(path);
    cbCOMChange();
}

void TForm1::cbCOMChange()
{
    if (cbCOM->currentIndex() < 0)
        return;
    // Reopening the port would end another window's wait and let its further
    // steps go to whatever device was picked.
    if (m_link.transactionRunning()) {
        selectPort(m_link.serial().portName());
        prompter().message(text::otherTransactionRunning);
        return;
    }
    const bool wasOpen = m_link.isOpen();
    if (!m_link.serial().setPortName(cbCOM->currentText()) && wasOpen) {
        showStatus(text::portUnavailable);
        showConnected(false);
    }
}

void TForm1::FormCreate()
{
    const auto settings = settings_file::load(settings_file::path());
    if (settings) {
        m_link.serial().setPortName(settings->portName);
        selectPort(m_link.serial().portName());
        edPhoneNr->setText(settings->phoneNumber);
    } else {
        // The port keeps its name; the list shows its first entry.
        if (cbCOM->count() > 0)
            cbCOM->setCurrentIndex(0);
        edPhoneNr->clear();
    }
    m_link.flags().radioTeachFailed = false;
}

void TForm1::FormDestroy()
{
    const QString path = settings_file::path();
    if (!settings_file::save(path, {m_link.serial().portName(), edPhoneNr->text()}))
        prompter().error(text::cannotCreate + path);
}

void TForm1::btConnectClick()
{
    if (m_link.serial().open()) {
        showConnected(true);
        showStatus(text::serialLinkOk);
        m_link.codeTimer().start();
    } else {
        showConnected(false);
        showStatus(text::portUnavailable);
    }
}

void TForm1::btDisconnectClick()
{
    showStatus(text::noSerialLink);
    m_link.serial().close();
    showConnected(false);
}

void TForm1::btDialClick()
{
    // Modem commands sent into another window's wait would end up in its
    // exchange with the module.
    if (m_link.transactionRunning()) {
        prompter().message(text::otherTransactionRunning);
        return;
    }
    m_modem.clearAbort();
    if (m_link.installerCode().isEmpty()) {
        prompter().message(text::dialNeedsCode);
        return;
    }
    if (edPhoneNr->text().isEmpty()) {
        prompter().message(text::dialNeedsNumber);
        return;
    }
    btDial->setEnabled(false);
    {
        // Held while dialling, so that no window starts an exchange with a
        // modem that is still taking commands.
        const std::optional<Transaction> dialling = m_link.beginTransaction();
        if (!m_link.isOpen()) {
            prompter().message(text::noSerialLink);
        } else {
            showStatus(text::dialling);
            m_modem.dialogue(edPhoneNr->text());
        }
        if (!m_link.flags().remoteConnected)
            showStatus(text::noConnection);
    }
    btDial->setEnabled(true);
}

void TForm1::btATHClick()
{
    btATH->setEnabled(false);
    m_modem.abort();
    {
        CodeTimerPause pause(m_link.codeTimer());
        if (m_link.isOpen()) {
            showStatus(text::hangingUp);
            m_modem.hangUp();
            showStatus(text::hungUp);
        }
    }
    btATH->setEnabled(true);
}

void TForm1::btParameterSettingClick()
{
    present(m_windows.download);
}

void TForm1::btEventlistShortClick()
{
    present(m_windows.eventList);
}

void TForm1::btAskVersionClick()
{
    // Refused in a box, like the result: the status bar may be showing the
    // progress of the transaction that holds the link.
    if (refusedToStart(m_link))
        return;
    btAskVersion->setEnabled(false);
    QString result;
    if (const auto transaction = m_link.beginTransaction())
        result = QueryVersion(m_link, [this](const QString& text) { showStatus(text); });
    if (!result.isEmpty())
        prompter().message(result);
    btAskVersion->setEnabled(true);
}

bool TForm1::modalWindowStillOpen()
{
    // Closed during one of its waits, a modal window returns only when the
    // wait ends. Until then none of them opens: the window again would run
    // inside its own loop, and the radio window would stop the status
    // window's polling under its quiet spell.
    for (const QDialog* window : {static_cast<const QDialog*>(m_windows.status),
                                  static_cast<const QDialog*>(m_windows.clock),
                                  static_cast<const QDialog*>(m_windows.radio)}) {
        if (window && modalLoopRunning(*window)) {
            showStatus(text::otherTransactionRunning);
            return true;
        }
    }
    return false;
}

void TForm1::btStatusClick()
{
    if (!m_windows.status || modalWindowStillOpen())
        return;
    CodeTimerPause pause(m_link.codeTimer());
    m_windows.status->openModal();
}

void TForm1::btClockClick()
{
    if (m_windows.clock && !modalWindowStillOpen())
        execModal(*m_windows.clock);
}

void TForm1::btSotpAllAlarmClick()
{
    // Refused before the question (a Yes could not be kept), and in a box:
    // a status line would be overwritten before the installer could take it
    // for anything but a stop.
    if (refusedWhileBusy(m_link) || !prompter().confirm(text::alarmStopQuestion))
        return;
    if (!m_link.isOpen()) {
        prompter().message(text::noSerialLink);
        return;
    }
    // The link may have been taken while the question was open.
    const auto transaction = takeLinkOrSayBusy(m_link);
    if (!transaction)
        return;
    btSotpAllAlarm->setEnabled(false);
    showStatus(text::alarmsStopping);
    // The transaction keeps the periodic code check quiet: its "PWDOK" would
    // otherwise pass for the module's verdict.
    const CodeVerdict verdict = m_link.blocks().sendForVerdict(command::kAlarmStop, ticks::kAlarmStop);
    prompter().message(text::alarmStopVerdict(verdict, m_link.isOpen()));
    btSotpAllAlarm->setEnabled(true);
    showStatus(QString());
}

void TForm1::btRFlearnClick()
{
    if (!m_windows.radio || modalWindowStillOpen())
        return;
    m_link.flags().radioTeachFailed = false;
    CodeTimerPause pause(m_link.codeTimer());
    if (m_windows.status)
        m_windows.status->stopPolling();
    m_windows.radio->openModal();
}

void TForm1::btDetailsClick()
{
    TSerialForm* monitor = m_windows.serialMonitor;
    if (!monitor)
        return;
    if (monitor->isVisible()) {
        btDetails->setText(text::detailsShow);
        monitor->hide();
    } else {
        btDetails->setText(text::detailsHide);
        present(monitor);
    }
}

void TForm1::portLost()
{
    // The link has closed the port and ended its waits; a dial waits on its
    // own counter.
    m_modem.abort();
    showConnected(false);
    showStatus(text::noSerialLink);
}

void TForm1::serialMonitorClosed()
{
    btDetails->setText(text::detailsShow);
}

void TForm1::btFirmwareClick()
{
    present(m_windows.firmware);
}

void TForm1::btCloseClick()
{
    close();
}

void TForm1::StatusBar1Click()
{
    showStatus(windowTitle());
}

void TForm1::showEvent(QShowEvent* event)
{
    // Centred when it first appears; later the installer may move it.
    if (!m_placed) {
        centreOnScreen(*this);
        m_placed = true;
    }
    QWidget::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Running waits end at once, so that the program can finish.
    m_modem.abort();
    m_link.abortWaits();
    event->accept();
    emit closed();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StatusBar1 && event->type() == QEvent::MouseButtonRelease)
        StatusBar1Click();
    return QWidget::eventFilter(watched, event);
}

void TForm1::showConnected(bool connected)
{
    btConnect->setEnabled(!connected);
    btDisconnect->setEnabled(connected);
}

void TForm1::showStatus(const QString& text)
{
    StatusBar1->showMessage(text);
}

void TForm1::present(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}
