#include "params/TFormParSetting.h"

#include "mainwin/WindowShell.h"

TFormParSetting::TFormParSetting(params::ParameterImage& image, QWidget* parent)
    : QDialog(parent)
{
    Q_UNUSED(image);
    setWindowTitle(QStringLiteral("GSM-Sentrova   -   Paraméterek beállítása"));
    resize(780, 463);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormParSetting::btCloseClick()
{
    close();
}
