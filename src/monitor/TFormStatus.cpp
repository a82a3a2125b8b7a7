#include "monitor/TFormStatus.h"

#include "mainwin/WindowShell.h"

TFormStatus::TFormStatus(DeviceLink& link, TFormEventlistShort& eventList, QWidget* parent)
    : QDialog(parent)
{
    Q_UNUSED(link);
    Q_UNUSED(eventList);
    setWindowTitle(QStringLiteral("GSM-Sentrova állapotfigyelés"));
    resize(800, 600);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormStatus::btCloseClick()
{
    close();
}

void TFormStatus::openModal()
{
    exec();
}

void TFormStatus::stopPolling()
{
}
