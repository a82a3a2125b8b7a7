#pragma once

#include <QScrollArea>

// The scrolling box of a table page: rows of a fixed height on one content
// widget, together with the check columns that line up with them. The bar
// follows the thumb while it is dragged, the arrows move one pixel, and the
// wheel moves one row a notch.
class RowScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    RowScrollArea(int rowHeight, QWidget* parent = nullptr);

    void scrollToTop();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_rowHeight;
};
