#include "params/editor/NumberBox.h"

NumberBox::NumberBox(params::Range range, QWidget* parent)
    : QSpinBox(parent)
{
    setRange(range.min, range.max);
    setWrapping(false);
    setAccelerated(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}
