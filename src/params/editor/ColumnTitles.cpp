#include "params/editor/ColumnTitles.h"

#include "params/editor/RotatedLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QWidget* rotatedTitles(const QList<ColumnTitle>& titles, int width, QWidget* parent)
{
    auto* cell = new QWidget(parent);
    auto* layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ColumnTitle& title : titles) {
        auto* label = new RotatedLabel(title.text, cell);
        label->setObjectName(QString::fromLatin1(title.name));
        if (width > 0)
            label->setFixedWidth(width);
        layout->addWidget(label, 0, Qt::AlignBottom);
    }
    layout->addStretch(1);
    return cell;
}

QWidget* stackedTitles(const QList<ColumnTitle>& lines, QWidget* parent)
{
    auto* cell = new QWidget(parent);
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(0);
    layout->addStretch(1);
    for (const ColumnTitle& line : lines) {
        auto* label = new QLabel(line.text, cell);
        label->setObjectName(QString::fromLatin1(line.name));
        layout->addWidget(label);
    }
    return cell;
}

TablePageLayout makeTablePageLayout(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 4, 4, 4);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    column->addLayout(grid);
    return {column, grid};
}
