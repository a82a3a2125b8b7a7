#include "params/TFormDownload.h"

#include "mainwin/WindowShell.h"

TFormDownload::TFormDownload(DeviceLink& link, params::ParameterImage& image, TFormParSetting& editor, QWidget* parent)
    : QWidget(parent)
{
    Q_UNUSED(link);
    Q_UNUSED(image);
    Q_UNUSED(editor);
    setWindowTitle(QStringLiteral("GSM-Sentrova paraméterbeállítás"));
    resize(284, 343);
    addCloseButton(*this, [this] { btCloseClick(); });
}

void TFormDownload::btCloseClick()
{
    close();
}
