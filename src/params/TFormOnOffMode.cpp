#include "params/TFormOnOffMode.h"

#include "mainwin/WindowShell.h"

TFormOnOffMode::TFormOnOffMode(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Élesítés / Kikapcsolás módja az A és B bemeneteken"));
    resize(778, 208);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormOnOffMode::btCloseClick()
{
    close();
}
