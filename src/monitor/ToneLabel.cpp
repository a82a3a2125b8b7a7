#include "monitor/ToneLabel.h"

#include <QLabel>
#include <QPalette>

namespace monitor {

QColor toneColor(Tone tone)
{
    switch (tone) {
    case Tone::Red: return QColor(255, 0, 0);
    case Tone::Green: return QColor(0, 128, 0);
    case Tone::Grey: return QColor(128, 128, 128);
    case Tone::Black: break;
    }
    return QColor(0, 0, 0);
}

void paintTone(QLabel& label, Tone tone)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, toneColor(tone));
    label.setPalette(palette);
}

void showToneText(QLabel& label, const ToneText& value)
{
    label.setText(value.text);
    paintTone(label, value.tone);
}

QColor labelColor(const QLabel& label)
{
    return label.palette().color(QPalette::WindowText);
}

} // namespace monitor
