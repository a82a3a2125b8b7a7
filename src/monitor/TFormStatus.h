#pragma once

#include "monitor/PollCycle.h"
#include "monitor/StatusPanels.h"
#include "monitor/StatusReport.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <vector>

class DeviceLink;
class EventGrid;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class TFormEventlistShort;

// The live view of the module: inputs, outputs, supplies, partitions, GSM
// signal, the last eight events and the module's messages. It decodes the
// status lines the dispatcher hands it, shown or hidden; while it is open it
// polls the module with RPWS and RPWE in turn. It also stops alarms, arms and
// disarms the partitions and captions the inputs with the zone names.
class TFormStatus : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kLastEventRows = 8;
    static constexpr int kPartitions = 2;
    // Module messages kept in the message memo.
    static constexpr int kMessagesKept = 5000;

    explicit TFormStatus(DeviceLink& link, TFormEventlistShort& eventList, QWidget* parent = nullptr);
    ~TFormStatus() override;

    // Shows the window modally; polls the module while it is open. Nothing
    // is done while an earlier opening has not yet returned (the window was
    // closed during one of its waits).
    void openModal();
    // Ends polling (the radio window takes the line).
    void stopPolling();

    // Decoders the dispatcher calls with each "AT_[", "AT_{" and "AT_/" line.
    void ShowStatusReport(const QByteArray& line);
    void ShowLastEvents(const QByteArray& line);
    void ShowModuleMessage(const QByteArray& line);

    void RefreshInputCaptions();

    // Handlers.
    void FormShow();
    void StatusTimerTimer();
    void btCloseClick();
    void btClearMsgClick();
    void btLoadZoneNamesClick();
    void btSotpAllAlarmClick();
    void btP1OFFClick();
    void btP2OFFClick();
    void btP1ONClick();
    void btP2ONClick();

    const monitor::PollCycle& poll() const { return m_poll; }

    // Group " Bemenetek ": twelve inputs, then partitions, battery, mains and
    // the A and B inputs.
    QGroupBox* GroupInputs = nullptr;
    std::vector<InputRow> inputs; // IN1 to IN12
    TitledPanel* PanelPart1State = nullptr;
    TitledPanel* PanelPart2State = nullptr;
    TitledPanel* PanelAccu = nullptr;
    TitledPanel* PanelAC = nullptr;
    TitledPanel* PanelInputA = nullptr;
    TitledPanel* PanelInputB = nullptr;
    QLabel* lbPart1 = nullptr;
    QLabel* lbPart2 = nullptr;
    QLabel* lbAkku = nullptr;
    QLabel* lbAC = nullptr;
    QLabel* lbINEA = nullptr;
    QLabel* lbINEB = nullptr;

    // Group " Kimenetek ".
    QGroupBox* GroupOutputs = nullptr;
    std::array<TitledPanel*, monitor::kRelayCount> PanelREL{};
    std::array<QLabel*, monitor::kRelayCount> lbREL{};
    TitledPanel* PanelOUT1 = nullptr;
    TitledPanel* PanelOUT2 = nullptr;
    TitledPanel* PanelKeypad = nullptr;
    TitledPanel* PanelFix12V = nullptr;
    QLabel* lbOUT1 = nullptr;
    QLabel* lbOUT2 = nullptr;
    QLabel* lbKezelo = nullptr;
    QLabel* lbFix = nullptr;

    QLabel* lbLastEvents = nullptr;
    EventGrid* acgEvSh = nullptr;
    QLabel* lbMessages = nullptr;
    MessageMemo* Memo1 = nullptr;
    QLabel* lbGSMpow = nullptr;
    QLabel* lbGSMpowVal = nullptr;
    QProgressBar* pbTerero = nullptr;
    QLabel* lbTemp = nullptr;
    QLabel* lbTempVal = nullptr;

    QPushButton* btLoadZoneNames = nullptr;
    QPushButton* btClearMsg = nullptr;
    QPushButton* btSotpAllAlarm = nullptr;
    QPushButton* btP1OFF = nullptr;
    QPushButton* btP2OFF = nullptr;
    QPushButton* btP1ON = nullptr;
    QPushButton* btP2ON = nullptr;
    QPushButton* btClose = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* StatusTimer = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Building the controls (TFormStatusLayout.cpp).
    void buildControls();
    QGroupBox* buildInputs();
    QGroupBox* buildOutputs();
    QLayout* buildEventsAndMessages();
    QLayout* buildSignalRow();
    QLayout* buildButtons();
    void connectHandlers();

    void plugReceivers();
    void showReport(const monitor::StatusReport& report);
    // Arms or disarms at once, unless a transaction waits.
    void sendPartitionCommand(std::uint8_t index);
    // Holds polling at `ticks` and pumps until the hold has run down to 1.
    void holdPolling(int ticks);
    // The names download and the alarm stop each hold polling for their
    // quiet spells: neither may start while the other runs.
    void setHoldingButtonsEnabled(bool enabled);

    DeviceLink& m_link;
    TFormEventlistShort& m_eventList;
    monitor::PollCycle m_poll;
};
