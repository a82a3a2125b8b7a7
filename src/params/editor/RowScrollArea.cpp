#include "params/editor/RowScrollArea.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kWheelNotch = 120; // angle delta of one wheel notch
}

RowScrollArea::RowScrollArea(int rowHeight, QWidget* parent)
    : QScrollArea(parent)
    , m_rowHeight(rowHeight)
{
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The box takes the focus that its check columns hand on, but Tab passes it by.
    setFocusPolicy(Qt::ClickFocus);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setTracking(true);
}

void RowScrollArea::scrollToTop()
{
    verticalScrollBar()->setValue(0);
}

void RowScrollArea::wheelEvent(QWheelEvent* event)
{
    const int rows = event->angleDelta().y() / kWheelNotch;
    if (rows == 0) {
        QScrollArea::wheelEvent(event);
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - rows * m_rowHeight);
    event->accept();
}
