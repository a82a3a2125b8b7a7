#pragma once

#include "params/ParameterImage.h"

#include <QWidget>

// One page of the settings editor. A page fills its controls from the image
// and writes them back; every byte it reads it writes, and no other.
class EditorPage : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void load(const params::ParameterImage& image) = 0;
    virtual void store(params::ParameterImage& image) const = 0;
    // Brings scrolling row areas back to their first row.
    virtual void scrollToTop() {}
};
