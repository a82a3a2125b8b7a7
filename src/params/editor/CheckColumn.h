#pragma once

#include <QListWidget>

// A column of check marks, one per table row, with no text of its own: the
// rows' captions stand beside it. It never takes the keyboard focus (Tab
// passes it by), has no border and no scroll bars, and its items are exactly
// as high as the rows they line up with.
class CheckColumn : public QListWidget
{
    Q_OBJECT
public:
    CheckColumn(int rows, int rowHeight, QWidget* parent = nullptr);

    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    // What a screen reader says for the item of `row`.
    void setItemAccessibleName(int row, const QString& name);

signals:
    // The column was clicked and would have taken the focus: pages that
    // scroll their rows hand the focus to the scroll area instead.
    void focusRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
