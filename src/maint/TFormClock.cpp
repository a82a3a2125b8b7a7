#include "maint/TFormClock.h"

#include "mainwin/WindowShell.h"

TFormClock::TFormClock(DeviceLink& link, QWidget* parent)
    : QDialog(parent)
{
    Q_UNUSED(link);
    setWindowTitle(QStringLiteral("GSM-Sentrova - Óra ellenőrzése / beállítása"));
    resize(374, 178);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormClock::btCloseClick()
{
    close();
}
