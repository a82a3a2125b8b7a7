#include "monitor/TFormEventlistShort.h"

#include "mainwin/WindowShell.h"

TFormEventlistShort::TFormEventlistShort(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
{
    Q_UNUSED(link);
    setWindowTitle(QStringLiteral("GSM-Sentrova  Rövid eseménylista"));
    resize(800, 600);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormEventlistShort::btCloseClick()
{
    close();
}
