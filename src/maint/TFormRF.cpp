#include "maint/TFormRF.h"

#include "mainwin/WindowShell.h"

TFormRF::TFormRF(DeviceLink& link, QWidget* parent)
    : QDialog(parent)
{
    Q_UNUSED(link);
    setWindowTitle(QStringLiteral("Rádiós eszközök tanítása"));
    resize(767, 419);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormRF::btCloseClick()
{
    close();
}

void TFormRF::openModal()
{
    exec();
}
