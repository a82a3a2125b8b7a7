#include "app/StartUp.h"

#include "archive/ArchiveFile.h"
#include "maint/TFormClock.h"
#include "maint/TFormFirmware.h"
#include "maint/TFormRF.h"
#include "mainwin/Languages.h"
#include "mainwin/TForm1.h"
#include "mainwin/TFormWelcome.h"
#include "mainwin/TSerialForm.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"
#include "params/TFormDownload.h"
#include "params/TFormOnOffMode.h"
#include "params/TFormParSetting.h"

#include <QCoreApplication>
#include <QPushButton>

StartUp::StartUp(QString extraPort, bool firmwareButton)
    : m_extraPort(std::move(extraPort))
    , m_firmwareButton(firmwareButton)
    , m_archive(archive::defaultFolder())
{
    m_splash = std::make_unique<TFormWelcome>([this] { createAll(); }, [this] { showMain(); });
    m_eventList = std::make_unique<TFormEventlistShort>(m_link);
    m_firmware = std::make_unique<TFormFirmware>(m_link);
    m_status = std::make_unique<TFormStatus>(m_link, *m_eventList);
    m_clock = std::make_unique<TFormClock>(m_link);
    m_radio = std::make_unique<TFormRF>(m_link);
}

// Windows go in the reverse order of their creation; the main window writes
// the settings file on its way.
StartUp::~StartUp()
{
    m_armingMode.reset();
    m_download.reset();
    m_serialMonitor.reset();
    m_editor.reset();
    m_mainWindow.reset();
    m_radio.reset();
    m_clock.reset();
    m_status.reset();
    m_firmware.reset();
    m_eventList.reset();
    m_splash.reset();
}

void StartUp::show()
{
    m_splash->show();
}

void StartUp::createAll()
{
    m_mainWindow = std::make_unique<TForm1>(m_link);
    m_editor = std::make_unique<TFormParSetting>(m_image);
    m_serialMonitor = std::make_unique<TSerialForm>(m_link);
    m_download = std::make_unique<TFormDownload>(m_link, m_image, *m_editor);
    m_download->setArchive(m_archive);
    m_armingMode = std::make_unique<TFormOnOffMode>();
    m_editor->setArmingModeDialog(*m_armingMode);
    SetInterfaceTexts(*m_mainWindow, *m_editor);

    m_mainWindow->setWindows({m_download.get(), m_eventList.get(), m_status.get(), m_clock.get(), m_radio.get(),
                              m_firmware.get(), m_serialMonitor.get()});
    connect(m_serialMonitor.get(), &TSerialForm::closedByButton, m_mainWindow.get(), &TForm1::serialMonitorClosed);
    connect(m_mainWindow.get(), &TForm1::closed, this, &StartUp::mainWindowClosed);
    if (!m_extraPort.isEmpty())
        m_mainWindow->addPort(m_extraPort);
    m_mainWindow->btFirmware->setVisible(m_firmwareButton);
}

void StartUp::showMain()
{
    m_mainWindow->show();
}

void StartUp::mainWindowClosed()
{
    // Closing the main window closes the hidden splash window, the program's
    // main window, and with it the program.
    m_splash->close();
    QCoreApplication::exit(0);
}
