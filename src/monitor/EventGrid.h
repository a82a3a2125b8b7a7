#pragma once

#include "monitor/EventGridColumns.h"

#include <QTableWidget>

#include <array>

// The grid of an event list: one header row of column titles, a fixed first
// column (row numbers) and read-only text cells that always exist.
class EventGrid : public QTableWidget
{
    Q_OBJECT
public:
    struct Column
    {
        QString title;
        int width;
    };

    using Columns = std::array<Column, monitor::kEventGridColumns>;

    EventGrid(const Columns& columns, int rows, QWidget* parent = nullptr);

    // Sized to show every row and column, without scroll bars.
    void fitContents();

    // Every cell of the row, column 0 included.
    void showRow(int row, const monitor::EventGridTexts& texts);
    // Columns 1 to 13; the row label in column 0 stays.
    void showRecord(int row, const monitor::EventRow& record);

    QString cellText(int row, int column) const;
    // Titles of the header row.
    QStringList titles() const;
    QList<int> columnWidths() const;

private:
    void setCell(int row, int column, const QString& text);
};
