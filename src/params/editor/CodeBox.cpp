#include "params/editor/CodeBox.h"

#include "params/ImageLayout.h"

#include <QFocusEvent>

CodeBox::CodeBox(QWidget* parent)
    : TextBox(params::kCodeDigits, parent)
{
}

void CodeBox::showCode(const QString& code)
{
    setText(code);
    m_textOnEntry = code;
}

namespace {
// The window losing or regaining the focus, or a menu popping up, neither
// enters nor leaves the box.
bool movesWithinWindow(const QFocusEvent& event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}
} // namespace

void CodeBox::focusInEvent(QFocusEvent* event)
{
    if (movesWithinWindow(*event))
        m_textOnEntry = text();
    TextBox::focusInEvent(event);
}

void CodeBox::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    if (movesWithinWindow(*event))
        emit left();
}
