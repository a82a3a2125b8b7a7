#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

// The small grid whose text form is the settings file: a count line, one
// "cw" line per column width, then one line per non-empty cell.
class SettingsGrid
{
public:
    SettingsGrid(int columns, int rows, int defaultWidth);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int columnWidth(int column) const { return m_widths.at(column); }

    // Empty for a cell outside the grid.
    std::optional<QString> cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    // The text form, lines ended by CR LF; CR in a cell is written as the
    // character 9 and LF as the character 8.
    QString toText() const;
    // Also takes lines ended by LF alone and empty lines at the end. Nothing
    // for a text that breaks the form (bad count line, more than 100 columns
    // or rows, a line that is neither a width nor a cell).
    static std::optional<SettingsGrid> fromText(const QString& text);

private:
    std::size_t index(int column, int row) const
    {
        return std::size_t(row) * std::size_t(m_columns) + std::size_t(column);
    }

    int m_columns;
    int m_rows;
    std::vector<int> m_widths;
    std::vector<QString> m_cells;
};
