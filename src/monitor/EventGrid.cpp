#include "monitor/EventGrid.h"

#include <QHeaderView>

namespace {
constexpr int kRowHeight = 18;
// The column widths are in pixels for a small font; longer texts are cut,
// not shortened with an ellipsis.
constexpr int kFontPointSize = 8;
} // namespace

EventGrid::EventGrid(const Columns& columns, int rows, QWidget* parent)
    : QTableWidget(rows, int(columns.size()), parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    QFont small = font();
    small.setPointSize(kFontPointSize);
    setFont(small);
    horizontalHeader()->setFont(small);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);

    for (int c = 0; c < columnCount(); ++c) {
        const Column& column = columns[std::size_t(c)];
        setHorizontalHeaderItem(c, new QTableWidgetItem(column.title));
        setColumnWidth(c, column.width);
        for (int r = 0; r < rowCount(); ++r)
            setItem(r, c, new QTableWidgetItem);
    }
    // The first column is fixed: painted like the header and never selected.
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int r = 0; r < rowCount(); ++r) {
        QTableWidgetItem* cell = item(r, monitor::kRowNumberColumn);
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setBackground(fixed);
    }
    setCurrentItem(nullptr);
}

void EventGrid::fitContents()
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * frameWidth();
    int width = 0;
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    setFixedSize(width + frame, horizontalHeader()->sizeHint().height() + rowCount() * kRowHeight + frame);
}

void EventGrid::setCell(int row, int column, const QString& text)
{
    item(row, column)->setText(text);
}

void EventGrid::showRow(int row, const monitor::EventGridTexts& texts)
{
    for (int c = 0; c < columnCount(); ++c)
        setCell(row, c, texts[std::size_t(c)]);
}

void EventGrid::showRecord(int row, const monitor::EventRow& record)
{
    const auto texts = monitor::eventGridTexts(QString(), record);
    for (int c = monitor::kRowNumberColumn + 1; c < columnCount(); ++c)
        setCell(row, c, texts[std::size_t(c)]);
}

QString EventGrid::cellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

QStringList EventGrid::titles() const
{
    QStringList result;
    for (int c = 0; c < columnCount(); ++c)
        result << horizontalHeaderItem(c)->text();
    return result;
}

QList<int> EventGrid::columnWidths() const
{
    QList<int> result;
    for (int c = 0; c < columnCount(); ++c)
        result << columnWidth(c);
    return result;
}
