#include "maint/TFormRF.h"

#include "maint/RadioSlotPanel.h"
#include "maint/RadioTexts.h"

#include "link/Commands.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "link/Ticks.h"
#include "link/WaitLoop.h"
#include "ui/LinkRefusal.h"
#include "ui/ModalLoop.h"
#include "ui/Prompter.h"
#include "ui/WindowShell.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPolling = 0;
constexpr int kHeld = 1;
// A teach pauses for one tick before and one after its command, deleting
// all for two: the pause counts down to the held value.
constexpr int kTeachPause = 2;
constexpr int kDeletePause = 3;

constexpr int kColumnSpacing = 3;
constexpr int kFirstSlotB = TFormRF::kInputs;
constexpr int kFirstUserSlot = 2 * TFormRF::kInputs;

QLabel* headerPanel(const QString& caption, QWidget* parent)
{
    auto* header = new QLabel(caption, parent);
    header->setAlignment(Qt::AlignCenter);
    header->setFrameStyle(QFrame::Panel | QFrame::Raised);
    header->setAutoFillBackground(true);
    header->setBackgroundRole(QPalette::ToolTipBase);
    header->setForegroundRole(QPalette::ToolTipText);
    header->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return header;
}

} // namespace

TFormRF::TFormRF(DeviceLink& link, QWidget* parent)
    : QDialog(parent)
    , m_link(link)
{
    buildControls();
    // Radio reports reach the window whether it is shown or not.
    m_link.dispatcher().receivers.radioReport = [this](const QByteArray& line) { DecodeRadioReport(line); };
}

TFormRF::~TFormRF()
{
    m_link.dispatcher().receivers.radioReport = {};
}

void TFormRF::buildControls()
{
    setWindowTitle(text::radioWindowCaption);
    keepOuterSize(*this, kOuterSize);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSensors());
    layout->addWidget(buildUsers());
    layout->addStretch(1);
    layout->addLayout(buildBottomRow());

    RFTimer = new QTimer(this);
    RFTimer->setInterval(ticks::toMs(ticks::kPollPeriod));
    connect(RFTimer, &QTimer::timeout, this, &TFormRF::RFTimerTimer);
    connect(btRFDeleteAll, &QPushButton::clicked, this, &TFormRF::btRFDeleteAllClick);
    connect(btClose, &QPushButton::clicked, this, &TFormRF::btCloseClick);
}

void TFormRF::addSlot(int slot, RadioSlotPanel* panel)
{
    slotPanels[std::size_t(slot)] = panel;
    connect(panel->teach, &QPushButton::clicked, this, [this, panel] { btTeachA1Click(panel->tag()); });
}

QGroupBox* TFormRF::buildSensors()
{
    gbSensors = new QGroupBox(text::radioSensorsGroup, this);
    gbSensors->setObjectName(QStringLiteral("gbSensors"));
    auto* grid = new QGridLayout(gbSensors);
    grid->setSpacing(kColumnSpacing);
    for (int i = 0; i < kInputs; ++i) {
        const int n = i + 1;
        grid->addWidget(headerPanel(text::radioInputHeader.arg(n), gbSensors), 0, i);
        auto* a = new RadioSlotPanel(i, QStringLiteral("A%1").arg(n), text::radioDeviceA,
                                     QStringLiteral("btTeachA%1").arg(n), gbSensors);
        auto* b = new RadioSlotPanel(kFirstSlotB + i, QStringLiteral("B%1").arg(n), text::radioDeviceB,
                                     QStringLiteral("btTeachB%1").arg(n), gbSensors);
        addSlot(i, a);
        addSlot(kFirstSlotB + i, b);
        grid->addWidget(a, 1, i);
        grid->addWidget(b, 2, i);
    }
    return gbSensors;
}

QGroupBox* TFormRF::buildUsers()
{
    gbRFUsers = new QGroupBox(text::radioUsersGroup, this);
    gbRFUsers->setObjectName(QStringLiteral("gbRFUsers"));
    auto* grid = new QGridLayout(gbRFUsers);
    grid->setSpacing(kColumnSpacing);
    for (int i = 0; i < kInputs; ++i) {
        const int n = i + 1;
        grid->addWidget(headerPanel(text::radioUserHeader.arg(n), gbRFUsers), 0, i);
        auto* user = new RadioSlotPanel(kFirstUserSlot + i, QStringLiteral("U%1").arg(n), QString(),
                                        QStringLiteral("btTeachUser%1").arg(n), gbRFUsers);
        addSlot(kFirstUserSlot + i, user);
        grid->addWidget(user, 1, i);
    }
    return gbRFUsers;
}

QLayout* TFormRF::buildBottomRow()
{
    btRFDeleteAll = new QPushButton(text::radioDeleteAll, this);
    btRFDeleteAll->setObjectName(QStringLiteral("btRFDeleteAll"));
    lbRFpower = new QLabel(text::radioPower, this);
    lbRFpower->setObjectName(QStringLiteral("lbRFpower"));
    lbRFval = new QLabel(QStringLiteral("0"), this);
    lbRFval->setObjectName(QStringLiteral("lbRFval"));
    pbRFTerero = new QProgressBar(this);
    pbRFTerero->setObjectName(QStringLiteral("pbRFTerero"));
    pbRFTerero->setRange(0, maint::kRadioSignalMax);
    pbRFTerero->setValue(0);
    pbRFTerero->setTextVisible(false);
    btClose = new QPushButton(text::radioCloseWindow, this);
    btClose->setObjectName(QStringLiteral("btClose"));

    auto* row = new QHBoxLayout;
    row->addWidget(btRFDeleteAll);
    row->addStretch(1);
    row->addWidget(lbRFpower);
    row->addWidget(lbRFval);
    row->addWidget(pbRFTerero, 1);
    row->addStretch(1);
    row->addWidget(btClose);
    return row;
}

void TFormRF::openModal()
{
    // Closed during a teach's pause, the window's loop still runs until the
    // pause ends: its polling and pause are that loop's.
    if (modalLoopRunning(*this))
        return;
    pauseTicks = kPolling;
    RFTimer->start();
    execModal(*this);
    RFTimer->stop();
}

void TFormRF::DecodeRadioReport(const QByteArray& line)
{
    // A report that is too short or not closed by ">" changes nothing.
    if (const auto report = maint::DecodeRadioReport(line))
        showReport(*report);
}

void TFormRF::showReport(const maint::RadioReport& report)
{
    for (int n = 0; n < maint::kRadioSlots; ++n)
        ShowRadioSlot(*slotPanels[std::size_t(n)], report.states[std::size_t(n)]);
    lbRFval->setText(QString::number(report.signalStrength));
    // The bar cannot show a value outside its range; the label shows it as sent.
    pbRFTerero->setValue(qMin(int(report.signalStrength), maint::kRadioSignalMax));
}

void TFormRF::ShowRadioSlot(RadioSlotPanel& panel, std::uint8_t state)
{
    panel.paint(maint::radioSlotLook(state));
}

void TFormRF::RFTimerTimer()
{
    // The module refuses teaching and deleting over a telephone call.
    if (std::exchange(m_link.flags().radioTeachFailed, false)) {
        prompter().message(text::radioTeachRefused);
        return;
    }
    if (pauseTicks > kHeld)
        --pauseTicks;
    // The pause counts down as usual, but no poll goes out while another
    // window's transaction waits for its answer (the window's own teach and
    // delete hold polling by their pause).
    if (pauseTicks == kPolling && !m_link.transactionRunning())
        m_link.SendCommand(command::kRadioPoll);
}

void TFormRF::pausePolling(int ticks)
{
    pauseTicks = ticks;
    // Only the running timer counts the pause down.
    pumpWhile([this] { return pauseTicks > kHeld && RFTimer->isActive(); });
}

void TFormRF::setOperationButtonsEnabled(bool enabled)
{
    for (RadioSlotPanel* panel : slotPanels)
        panel->teach->setEnabled(enabled);
    btRFDeleteAll->setEnabled(enabled);
}

bool TFormRF::refusedToStart()
{
    // Refused before the question: a Yes could not be kept.
    return ::refusedToStart(m_link);
}

void TFormRF::btTeachA1Click(int tag)
{
    if (refusedToStart() || !prompter().confirm(text::radioTeachQuestion))
        return;
    // The link may have been taken while the question was open.
    const auto transaction = takeLinkOrSayBusy(m_link);
    if (!transaction)
        return;
    setOperationButtonsEnabled(false);
    pausePolling(kTeachPause);
    m_link.SendCommand(std::uint8_t(command::kTeachRadioFirst - 1 + tag));
    pausePolling(kTeachPause);
    pauseTicks = kPolling;
    setOperationButtonsEnabled(true);
}

void TFormRF::btRFDeleteAllClick()
{
    if (refusedToStart() || !prompter().confirm(text::radioDeleteQuestion)
        || !prompter().confirm(text::radioDeleteConfirmation))
        return;
    const auto transaction = takeLinkOrSayBusy(m_link);
    if (!transaction)
        return;
    setOperationButtonsEnabled(false);
    pausePolling(kDeletePause);
    m_link.SendCommand(command::kRadioDeleteAll);
    pausePolling(kDeletePause);
    pauseTicks = kPolling;
    setOperationButtonsEnabled(true);
}

void TFormRF::btCloseClick()
{
    close();
}
