#pragma once

#include "maint/RadioReport.h"

#include "link/DeviceLink.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class RadioSlotPanel;

// The radio device window: the state of the module's 36 radio device places
// and the strength of the last radio signal, teaching one place and deleting
// them all. It decodes every radio report the dispatcher hands it, shown or
// hidden; while it is open it polls the module with RPWF.
class TFormRF : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kInputs = 12;
    // Frame included.
    static constexpr QSize kOuterSize{767, 419};

    explicit TFormRF(DeviceLink& link, QWidget* parent = nullptr);
    ~TFormRF() override;

    // Shows the window modally; polls the radio devices while it is open.
    // Nothing is done while an earlier opening has not yet returned (the
    // window was closed during a teach's pause).
    void openModal();

    // The decoder the dispatcher calls with each "AT_<" line.
    void DecodeRadioReport(const QByteArray& line);
    void ShowRadioSlot(RadioSlotPanel& panel, std::uint8_t state);

    // Handlers.
    void RFTimerTimer();
    // Shared by the 36 "Tanítás" buttons; `tag` is the clicked button's Tag.
    void btTeachA1Click(int tag);
    void btRFDeleteAllClick();
    void btCloseClick();

    // 0: every tick polls. Above 1: counted down by each tick, polling held.
    int pauseTicks = 0;

    QGroupBox* gbSensors = nullptr;
    QGroupBox* gbRFUsers = nullptr;
    // Slot n's panel at index n: A panels of IN1-IN12, B panels, user panels.
    std::array<RadioSlotPanel*, maint::kRadioSlots> slotPanels{};
    QPushButton* btRFDeleteAll = nullptr;
    QLabel* lbRFpower = nullptr;
    QLabel* lbRFval = nullptr;
    QProgressBar* pbRFTerero = nullptr;
    QPushButton* btClose = nullptr;
    QTimer* RFTimer = nullptr;

private:
    void buildControls();
    QGroupBox* buildSensors();
    QGroupBox* buildUsers();
    QLayout* buildBottomRow();
    void addSlot(int slot, RadioSlotPanel* panel);
    void showReport(const maint::RadioReport& report);
    // Sets `pauseTicks` and pumps until the ticks have brought it down to 1.
    void pausePolling(int ticks);
    // The 36 teach buttons and deleting all, off while a teach or delete
    // holds the link.
    void setOperationButtonsEnabled(bool enabled);
    // True, after saying why, when the port is closed or another transaction
    // holds the link; asked before any question.
    bool refusedToStart();

    DeviceLink& m_link;
};
