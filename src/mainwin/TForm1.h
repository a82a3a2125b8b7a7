#pragma once

#include "link/DeviceLink.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

// The installer's control panel: owns the device link, picks and opens the
// port, takes the installer code and shows the link's state.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 245;
    static constexpr int kClientHeight = 495;
    static constexpr int kCodeMaxLength = 6;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    DeviceLink& link() { return m_link; }

    // Adds a device path that the system does not list and selects it.
    void addPort(const QString& path);

    void btConnectClick();
    void btDisconnectClick();
    void StatusBar1Click();

    QLabel* lbSelectSerialPort = nullptr;
    QComboBox* cbCOM = nullptr;
    QPushButton* btConnect = nullptr;
    QPushButton* btDisconnect = nullptr;
    QLabel* lbGiveMasterCode = nullptr;
    QLineEdit* edPWD = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void fillPortList();
    void cbCOMChange();
    void showConnected(bool connected);

    DeviceLink m_link;
};
