#pragma once

#include "archive/ImageArchive.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"

#include <QObject>
#include <QString>

#include <memory>

class TForm1;
class TFormClock;
class TFormDownload;
class TFormEventlistShort;
class TFormFirmware;
class TFormOnOffMode;
class TFormParSetting;
class TFormRF;
class TFormStatus;
class TFormWelcome;
class TSerialForm;

// Creates the program's windows in their order behind the splash window,
// owns them and the data they share, and ends the program when the main
// window closes.
class StartUp : public QObject
{
    Q_OBJECT
public:
    // `extraPort` is a device path to add to the port list and select;
    // `firmwareButton` shows the main window's hidden firmware button.
    explicit StartUp(QString extraPort = {}, bool firmwareButton = false);
    ~StartUp() override;

    void show();

    TForm1* mainWindow() const { return m_mainWindow.get(); }
    DeviceLink& link() { return m_link; }

private:
    void createAll();
    void showMain();
    void mainWindowClosed();

    QString m_extraPort;
    bool m_firmwareButton;
    DeviceLink m_link;
    params::ParameterImage m_image;
    archive::ImageArchive m_archive;
    std::unique_ptr<TFormWelcome> m_splash;
    std::unique_ptr<TFormEventlistShort> m_eventList;
    std::unique_ptr<TFormFirmware> m_firmware;
    std::unique_ptr<TFormStatus> m_status;
    std::unique_ptr<TFormClock> m_clock;
    std::unique_ptr<TFormRF> m_radio;
    std::unique_ptr<TForm1> m_mainWindow;
    std::unique_ptr<TFormParSetting> m_editor;
    std::unique_ptr<TSerialForm> m_serialMonitor;
    std::unique_ptr<TFormDownload> m_download;
    std::unique_ptr<TFormOnOffMode> m_armingMode;
};
