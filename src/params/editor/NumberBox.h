#pragma once

#include "params/ImageLayout.h"

#include <QSpinBox>

// A number field: an edit box bound to an up-down. Its value never leaves the
// range, the arrows do not wrap round, and typing beyond the range is refused.
class NumberBox : public QSpinBox
{
    Q_OBJECT
public:
    NumberBox(params::Range range, QWidget* parent = nullptr);
};
