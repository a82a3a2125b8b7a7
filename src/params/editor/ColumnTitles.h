#pragma once

#include <QList>
#include <QString>

class QGridLayout;
class QVBoxLayout;
class QWidget;

// A title of a table column: the control's name and its text.
struct ColumnTitle
{
    const char* name;
    QString text;
};

// A header cell of rotated titles side by side, standing on the cell's bottom
// edge; each `width` pixels wide, or as wide as its text is high when 0.
QWidget* rotatedTitles(const QList<ColumnTitle>& titles, int width, QWidget* parent);

// A header cell of ordinary caption lines, one under the other, standing on
// the cell's bottom edge.
QWidget* stackedTitles(const QList<ColumnTitle>& lines, QWidget* parent);

// The layout of a table page: a column whose first part is the table's grid,
// rows packed without spacing. What the page puts under the table goes into
// `page` after it.
struct TablePageLayout
{
    QVBoxLayout* page;
    QGridLayout* grid;
};
TablePageLayout makeTablePageLayout(QWidget* page);
