#include "maint/TFormFirmware.h"

#include "mainwin/WindowShell.h"

TFormFirmware::TFormFirmware(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
{
    Q_UNUSED(link);
    setWindowTitle(QStringLiteral("Firmware Letöltő"));
    resize(287, 248);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormFirmware::btCloseClick()
{
    close();
}
