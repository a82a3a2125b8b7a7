// Builds the status window's controls; its behaviour is in TFormStatus.cpp.
#include "monitor/TFormStatus.h"

#include "monitor/EventGrid.h"
#include "monitor/StatusTexts.h"

#include "link/Ticks.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kUnknownValue = QStringLiteral(".");
constexpr int kInputsPerRow = 6;
constexpr int kTargetColumnWidth = 17;
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);

// A panel with one value label, placed by its member pointers.
struct ValuePanelEntry
{
    const char* panelName;
    const char16_t* caption;
    const char* labelName;
    TitledPanel* TFormStatus::*panel;
    QLabel* TFormStatus::*label;
};

// Third row of the inputs group.
const ValuePanelEntry kInputGroupPanels[] = {
    {"PanelPart1State", u"1. Partíció állapota", "lbPart1", &TFormStatus::PanelPart1State, &TFormStatus::lbPart1},
    {"PanelPart2State", u"2. Partíció állapota", "lbPart2", &TFormStatus::PanelPart2State, &TFormStatus::lbPart2},
    {"PanelAccu", u"Akkumulátor", "lbAkku", &TFormStatus::PanelAccu, &TFormStatus::lbAkku},
    {"PanelAC", u"AC", "lbAC", &TFormStatus::PanelAC, &TFormStatus::lbAC},
    {"PanelInputA", u"'A' bemenet", "lbINEA", &TFormStatus::PanelInputA, &TFormStatus::lbINEA},
    {"PanelInputB", u"'B' bemenet", "lbINEB", &TFormStatus::PanelInputB, &TFormStatus::lbINEB},
};

// The outputs group after the three relays.
const ValuePanelEntry kOutputGroupPanels[] = {
    {"PanelOUT1", u"OUT 1", "lbOUT1", &TFormStatus::PanelOUT1, &TFormStatus::lbOUT1},
    {"PanelOUT2", u"OUT 2", "lbOUT2", &TFormStatus::PanelOUT2, &TFormStatus::lbOUT2},
    {"PanelKeypad", u"Kezelő 12V", "lbKezelo", &TFormStatus::PanelKeypad, &TFormStatus::lbKezelo},
    {"PanelFix12V", u"Fix 12V", "lbFix", &TFormStatus::PanelFix12V, &TFormStatus::lbFix},
};

TitledPanel* placeValuePanel(TFormStatus& form, const ValuePanelEntry& entry, QWidget* group)
{
    auto* panel = new TitledPanel(QString::fromLatin1(entry.panelName), QString::fromUtf16(entry.caption), group);
    form.*entry.panel = panel;
    form.*entry.label = panel->addValueLabel(QString::fromLatin1(entry.labelName), kUnknownValue);
    return panel;
}

EventGrid::Columns lastEventColumns()
{
    const auto target = [](const char16_t* title) {
        return EventGrid::Column{QString::fromUtf16(title), kTargetColumnWidth};
    };
    return {{
        {QString(), 20},
        {QStringLiteral("Időpont"), 80},
        {QStringLiteral("Esemény"), 89},
        {QStringLiteral("Z/F"), 33},
        target(u"T1"), target(u"T2"), target(u"T3"), target(u"T4"),
        target(u"S1"), target(u"S2"), target(u"S3"), target(u"S4"),
        target(u"K."),
        {QStringLiteral("Státusz"), monitor::kStatusColumnWidth},
    }};
}

void paintButtonText(QPushButton* button, const QColor& color)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

} // namespace

void TFormStatus::buildControls()
{
    setWindowTitle(text::statusCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildInputs());
    layout->addWidget(buildOutputs());
    layout->addLayout(buildEventsAndMessages(), 1);
    layout->addLayout(buildSignalRow());
    layout->addLayout(buildButtons());
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    layout->addWidget(StatusBar1);

    StatusTimer = new QTimer(this);
    StatusTimer->setInterval(ticks::toMs(ticks::kPollPeriod));
}

QGroupBox* TFormStatus::buildInputs()
{
    GroupInputs = new QGroupBox(QStringLiteral(" Bemenetek "), this);
    auto* grid = new QGridLayout(GroupInputs);
    inputs.reserve(monitor::kInputCount);
    for (int n = 1; n <= monitor::kInputCount; ++n) {
        const InputRow& row = inputs.emplace_back(n, GroupInputs);
        grid->addWidget(row.panel, (n - 1) / kInputsPerRow, (n - 1) % kInputsPerRow);
    }
    const int thirdRow = monitor::kInputCount / kInputsPerRow;
    int column = 0;
    for (const ValuePanelEntry& entry : kInputGroupPanels)
        grid->addWidget(placeValuePanel(*this, entry, GroupInputs), thirdRow, column++);
    PanelAccu->setToolTip(text::batteryHint);
    lbAkku->setToolTip(text::batteryHint);
    return GroupInputs;
}

QGroupBox* TFormStatus::buildOutputs()
{
    GroupOutputs = new QGroupBox(QStringLiteral(" Kimenetek "), this);
    auto* row = new QHBoxLayout(GroupOutputs);
    for (int r = 0; r < monitor::kRelayCount; ++r) {
        const int n = r + 1;
        auto* panel =
            new TitledPanel(QStringLiteral("PanelREL%1").arg(n), QStringLiteral("RELE %1").arg(n), GroupOutputs);
        PanelREL[std::size_t(r)] = panel;
        lbREL[std::size_t(r)] = panel->addValueLabel(QStringLiteral("lbREL%1").arg(n), kUnknownValue);
        row->addWidget(panel);
    }
    for (const ValuePanelEntry& entry : kOutputGroupPanels)
        row->addWidget(placeValuePanel(*this, entry, GroupOutputs));
    return GroupOutputs;
}

QLayout* TFormStatus::buildEventsAndMessages()
{
    auto* row = new QHBoxLayout;
    auto* events = new QVBoxLayout;
    lbLastEvents = new QLabel(QStringLiteral("Az utolsó nyolc esemény:"), this);
    acgEvSh = new EventGrid(lastEventColumns(), kLastEventRows, this);
    acgEvSh->setObjectName(QStringLiteral("acgEvSh"));
    for (int r = 0; r < kLastEventRows; ++r)
        acgEvSh->item(r, monitor::kRowNumberColumn)->setText(QString::number(r + 1));
    acgEvSh->fitContents();
    events->addWidget(lbLastEvents);
    events->addWidget(acgEvSh);
    events->addStretch(1);

    auto* messages = new QVBoxLayout;
    lbMessages = new QLabel(QStringLiteral("A modul állapot üzenetei:"), this);
    Memo1 = new MessageMemo(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    // Days of polling must not fill the memory: the oldest messages go.
    Memo1->setMaximumBlockCount(kMessagesKept);
    messages->addWidget(lbMessages);
    messages->addWidget(Memo1, 1);

    row->addLayout(events);
    row->addLayout(messages, 1);
    return row;
}

QLayout* TFormStatus::buildSignalRow()
{
    auto* row = new QHBoxLayout;
    lbGSMpow = new QLabel(QStringLiteral("GSM térerő (0-31):"), this);
    lbGSMpowVal = new QLabel(QStringLiteral("0"), this);
    lbGSMpowVal->setObjectName(QStringLiteral("lbGSMpowVal"));
    pbTerero = new QProgressBar(this);
    pbTerero->setObjectName(QStringLiteral("pbTerero"));
    pbTerero->setRange(0, monitor::kGsmSignalMax);
    pbTerero->setValue(0);
    pbTerero->setTextVisible(false);
    lbTemp = new QLabel(QStringLiteral("Modul hőmérs.:"), this);
    lbTempVal = new QLabel(QString(), this);
    lbTempVal->setObjectName(QStringLiteral("lbTempVal"));
    row->addWidget(lbGSMpow);
    row->addWidget(lbGSMpowVal);
    row->addWidget(pbTerero, 1);
    row->addSpacing(12);
    row->addWidget(lbTemp);
    row->addWidget(lbTempVal);
    row->addStretch(1);
    return row;
}

QLayout* TFormStatus::buildButtons()
{
    struct ButtonEntry
    {
        QPushButton* TFormStatus::*button;
        const char* name;
        const char16_t* caption;
        const QColor* textColor; // nothing: the style's own
    };
    const ButtonEntry entries[] = {
        {&TFormStatus::btLoadZoneNames, "btLoadZoneNames", u"Zóna nevek leolvasása", nullptr},
        {&TFormStatus::btClearMsg, "btClearMsg", u"Üzenetablak törlése", nullptr},
        {&TFormStatus::btSotpAllAlarm, "btSotpAllAlarm", u"Riasztás leállítása", &kMaroon},
        {&TFormStatus::btP1OFF, "btP1OFF", u"Kikapcs.P1", &kGreen},
        {&TFormStatus::btP2OFF, "btP2OFF", u"Kikapcs.P2", &kGreen},
        {&TFormStatus::btP1ON, "btP1ON", u"Élesítés P1", &kMaroon},
        {&TFormStatus::btP2ON, "btP2ON", u"Élesítés P2", &kMaroon},
        {&TFormStatus::btClose, "btClose", u"Ablak bezárása", nullptr},
    };
    auto* row = new QHBoxLayout;
    for (const ButtonEntry& entry : entries) {
        auto* button = new QPushButton(QString::fromUtf16(entry.caption), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setAutoDefault(false);
        if (entry.textColor)
            paintButtonText(button, *entry.textColor);
        this->*entry.button = button;
        row->addWidget(button);
    }
    return row;
}

void TFormStatus::connectHandlers()
{
    const std::pair<QPushButton*, void (TFormStatus::*)()> handlers[] = {
        {btLoadZoneNames, &TFormStatus::btLoadZoneNamesClick},
        {btClearMsg, &TFormStatus::btClearMsgClick},
        {btSotpAllAlarm, &TFormStatus::btSotpAllAlarmClick},
        {btP1OFF, &TFormStatus::btP1OFFClick},
        {btP2OFF, &TFormStatus::btP2OFFClick},
        {btP1ON, &TFormStatus::btP1ONClick},
        {btP2ON, &TFormStatus::btP2ONClick},
        {btClose, &TFormStatus::btCloseClick},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);
    connect(StatusTimer, &QTimer::timeout, this, &TFormStatus::StatusTimerTimer);
}
