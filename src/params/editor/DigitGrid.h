#pragma once

#include "params/DigitCellRow.h"

#include <QWidget>

#include <array>
#include <cstddef>

// A one-row grid of one-character digit cells: telephone numbers, Contact-ID
// codes and the customer account. It draws the cells and hands every key to
// the cell row's rules; it never edits a cell in place. Arrow keys, Home, End
// and a click pick the cell that the next digit goes into. A paste (Ctrl+V,
// Shift+Insert) is taken whole or not at all; a refused one is reported to
// the window.
class DigitGrid : public QWidget
{
    Q_OBJECT
public:
    DigitGrid(int columns, params::DigitKind kind, QWidget* parent = nullptr);

    const params::DigitCellRow& row() const { return m_row; }
    int selectedColumn() const { return m_row.selectedColumn(); }

    QStringList cells() const { return m_row.cells(); }
    void setCells(const QStringList& cells);

    template <std::size_t N>
    std::array<QString, N> cellArray() const
    {
        std::array<QString, N> result;
        for (std::size_t k = 0; k < N && k < std::size_t(m_row.columnCount()); ++k)
            result[k] = m_row.cell(int(k));
        return result;
    }
    template <std::size_t N>
    void setCellArray(const std::array<QString, N>& cells)
    {
        setCells(QStringList(cells.begin(), cells.end()));
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int cellWidth() const;
    QRect cellRect(int column) const;
    void select(int column);
    void paste();

    params::DigitCellRow m_row;
};
