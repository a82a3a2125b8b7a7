#include "params/editor/RotatedLabel.h"

#include <QPainter>

namespace {
constexpr int kMargin = 2;
}

RotatedLabel::RotatedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAccessibleName(text);
}

QSize RotatedLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.height() + 2 * kMargin, metrics.horizontalAdvance(text()) + 2 * kMargin};
}

QSize RotatedLabel::minimumSizeHint() const
{
    return sizeHint();
}

void RotatedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    // Bottom to top: turn the painter a quarter to the left and draw the text
    // along what is now the x axis, starting at the label's bottom edge.
    painter.translate(0, height());
    painter.rotate(-90);
    const QRect area(kMargin, 0, height() - 2 * kMargin, width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text());
}
