#include "params/editor/CheckColumn.h"

CheckColumn::CheckColumn(int rows, int rowHeight, QWidget* parent)
    : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
    setBackgroundRole(QPalette::Button);
    viewport()->setBackgroundRole(QPalette::Button);
    for (int row = 0; row < rows; ++row) {
        auto* item = new QListWidgetItem(this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint(QSize(0, rowHeight));
    }
    setFixedHeight(rows * rowHeight);
}

bool CheckColumn::isChecked(int row) const
{
    return item(row)->checkState() == Qt::Checked;
}

void CheckColumn::setChecked(int row, bool checked)
{
    item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CheckColumn::setItemAccessibleName(int row, const QString& name)
{
    item(row)->setData(Qt::AccessibleTextRole, name);
}

void CheckColumn::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    emit focusRequested();
}
