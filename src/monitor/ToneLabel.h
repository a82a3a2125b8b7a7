#pragma once

#include "monitor/StatusTone.h"

#include <QColor>

class QLabel;

// How the monitoring windows paint a status label's tone.
namespace monitor {

// Red (255, 0, 0), green (0, 128, 0), black, grey (128, 128, 128).
QColor toneColor(Tone tone);

void paintTone(QLabel& label, Tone tone);
void showToneText(QLabel& label, const ToneText& value);

// The label's text colour as painted.
QColor labelColor(const QLabel& label);

} // namespace monitor
