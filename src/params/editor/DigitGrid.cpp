#include "params/editor/DigitGrid.h"

#include "params/editor/InputRefusal.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kCellPadding = 5;
constexpr int kRowPadding = 6;
} // namespace

DigitGrid::DigitGrid(int columns, params::DigitKind kind, QWidget* parent)
    : QWidget(parent)
    , m_row(columns, kind)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DigitGrid::setCells(const QStringList& cells)
{
    m_row.setCells(cells);
    update();
}

int DigitGrid::cellWidth() const
{
    // Wide enough for the widest digit a cell can hold.
    int widest = 0;
    for (const QChar c : QStringLiteral("0123456789ABCDEF"))
        widest = std::max(widest, fontMetrics().horizontalAdvance(c));
    return widest + kCellPadding;
}

QSize DigitGrid::sizeHint() const
{
    return {m_row.columnCount() * cellWidth() + 1, fontMetrics().height() + kRowPadding};
}

QSize DigitGrid::minimumSizeHint() const
{
    return sizeHint();
}

QRect DigitGrid::cellRect(int column) const
{
    return {column * cellWidth(), 0, cellWidth(), height() - 1};
}

void DigitGrid::select(int column)
{
    m_row.selectColumn(column);
    update();
}

void DigitGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(isEnabled() ? QPalette::Base : QPalette::Window));
    for (int column = 0; column < m_row.columnCount(); ++column) {
        const QRect cell = cellRect(column);
        const bool selected = column == m_row.selectedColumn();
        if (selected)
            painter.fillRect(cell.adjusted(1, 1, 0, 0),
                             colours.color(hasFocus() ? QPalette::Highlight : QPalette::AlternateBase));
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawRect(cell);
        painter.setPen(colours.color(selected && hasFocus() ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(cell, Qt::AlignCenter, m_row.cell(column));
    }
}

void DigitGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste();
    } else {
        switch (event->key()) {
        case Qt::Key_Backspace: m_row.keyPress(params::DigitCellRow::kBackspace); break;
        case Qt::Key_Left: m_row.selectColumn(m_row.selectedColumn() - 1); break;
        case Qt::Key_Right: m_row.selectColumn(m_row.selectedColumn() + 1); break;
        case Qt::Key_Home: m_row.selectColumn(0); break;
        case Qt::Key_End: m_row.selectColumn(m_row.columnCount() - 1); break;
        default:
            // Escape, Return and shortcuts belong to the window.
            const QString text = event->text();
            if (text.isEmpty() || text.front().category() == QChar::Other_Control
                || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                event->ignore();
                return;
            }
            // Typed text, one key at a time; whatever the rules refuse is dropped.
            for (const QChar key : text)
                m_row.keyPress(key);
        }
    }
    event->accept();
    update();
}

void DigitGrid::paste()
{
    switch (m_row.paste(QApplication::clipboard()->text())) {
    case params::PasteResult::TooLong: reportRefusedInput(*this, kPasteTooLong); break;
    case params::PasteResult::NotAllowed: reportRefusedInput(*this, kPasteNotAllowed); break;
    case params::PasteResult::Pasted:
    case params::PasteResult::Empty: break;
    }
}

void DigitGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    select(int(event->position().x()) / cellWidth());
}
