#pragma once

#include "link/DeviceLink.h"
#include "mainwin/ModemDialer.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TFormClock;
class TFormDownload;
class TFormEventlistShort;
class TFormFirmware;
class TFormRF;
class TFormStatus;
class TSerialForm;

// The installer's control panel: picks and opens the port, takes the installer
// code and the module's telephone number, dials through a modem, asks the
// module's version, stops alarms and opens every other window. Remembers the
// port and the telephone number between runs.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 245;
    static constexpr int kClientHeight = 495;
    static constexpr int kCodeMaxLength = 6;

    // The windows the buttons open; any of them may be missing in tests.
    struct Windows
    {
        TFormDownload* download = nullptr;
        TFormEventlistShort* eventList = nullptr;
        TFormStatus* status = nullptr;
        TFormClock* clock = nullptr;
        TFormRF* radio = nullptr;
        TFormFirmware* firmware = nullptr;
        TSerialForm* serialMonitor = nullptr;
    };

    explicit TForm1(DeviceLink& link, QWidget* parent = nullptr);
    ~TForm1() override;

    DeviceLink& link() { return m_link; }
    ModemDialer& modem() { return m_modem; }
    void setWindows(const Windows& windows) { m_windows = windows; }

    // Adds a device path that the system does not list and selects it.
    void addPort(const QString& path);

    // Handlers.
    void FormCreate();
    void FormDestroy();
    void btConnectClick();
    void btDisconnectClick();
    void btDialClick();
    void btATHClick();
    void btParameterSettingClick();
    void btEventlistShortClick();
    void btAskVersionClick();
    void btStatusClick();
    void btClockClick();
    void btSotpAllAlarmClick();
    void btRFlearnClick();
    void btDetailsClick();
    void btFirmwareClick();
    void btCloseClick();
    void StatusBar1Click();

    // The serial monitor was hidden by its own button.
    void serialMonitorClosed();
    // The device went away; the link has closed the port.
    void portLost();

    QLabel* lbSelectSerialPort = nullptr;
    QComboBox* cbCOM = nullptr;
    QPushButton* btConnect = nullptr;
    QPushButton* btDisconnect = nullptr;
    QLabel* lbGiveMasterCode = nullptr;
    QLineEdit* edPWD = nullptr;
    QLabel* lbPhoneNrForRemote = nullptr;
    QLineEdit* edPhoneNr = nullptr;
    QPushButton* btDial = nullptr;
    QPushButton* btATH = nullptr;
    QPushButton* btParameterSetting = nullptr;
    QPushButton* btEventlistShort = nullptr;
    QPushButton* btAskVersion = nullptr;
    QPushButton* btStatus = nullptr;
    QPushButton* btClock = nullptr;
    QPushButton* btSotpAllAlarm = nullptr;
    QPushButton* btRFlearn = nullptr;
    QPushButton* btDetails = nullptr;
    QPushButton* btFirmware = nullptr;
    QPushButton* btClose = nullptr;
    QStatusBar* StatusBar1 = nullptr;

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void fillPortList();
    void selectPort(const QString& name);
    void cbCOMChange();
    void showConnected(bool connected);
    void showStatus(const QString& text);
    // Shows a window that is not modal and brings it to the front.
    static void present(QWidget* window);
    // True, after saying so, while the status, clock or radio window is
    // still in its modal loop.
    bool modalWindowStillOpen();

    DeviceLink& m_link;
    ModemDialer m_modem;
    Windows m_windows;
    bool m_placed = false;
};
