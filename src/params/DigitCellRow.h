#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace params {

// What a row of digit cells accepts: telephone numbers take decimal digits,
// Contact-ID codes and the account hexadecimal digits.
enum class DigitKind { Decimal, Hex };

// What became of a paste: taken whole, or refused whole and why.
enum class PasteResult { Pasted, Empty, TooLong, NotAllowed };

// A row of one-character cells with a selected column, and the key rules that
// make it a fixed-width digit entry: digits are typed from the left, the last
// cell is overwritten, backspace clears from the digit left of the selection
// to the end (telephone cells become empty, hexadecimal cells "0"). No other
// key changes anything, so the row only ever holds digits of its kind.
class DigitCellRow
{
public:
    static constexpr QChar kBackspace = QChar(u'\b');

    DigitCellRow(int columns, DigitKind kind);

    int columnCount() const { return int(m_cells.size()); }
    DigitKind kind() const { return m_kind; }

    int selectedColumn() const { return m_selected; }
    // Kept within the row.
    void selectColumn(int column);

    const QString& cell(int column) const { return m_cells.at(std::size_t(column)); }
    QStringList cells() const;
    // Each value is validated as a cell is: its first character if that is
    // a digit of the row's kind (hex upper-cased), else empty. Missing values
    // leave empty cells.
    void setCells(const QStringList& values);

    // One typed key; every key is taken, whether it changes anything or not.
    void keyPress(QChar key);
    // Pasted text is taken whole or not at all: only when every character is
    // a digit of the row's kind and the digits fit from the selected cell to
    // the last, they are typed in turn; otherwise nothing changes. Blanks and
    // line ends around the text (a copied cell or line) are not part of it.
    PasteResult paste(QStringView text);

    // The cell validation: the first character if it is allowed, else empty.
    static QString validatedCell(QStringView value, DigitKind kind);

private:
    bool accepts(QChar key) const;
    void backspace();
    void type(QChar digit);

    DigitKind m_kind;
    std::vector<QString> m_cells;
    int m_selected = 0;
};

} // namespace params
