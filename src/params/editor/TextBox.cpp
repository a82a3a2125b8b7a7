#include "params/editor/TextBox.h"

#include "link/Cp1250.h"
#include "params/editor/InputRefusal.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

namespace {

bool storable(QStringView text)
{
    const bool controls = std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    return !controls && fromCp1250(toCp1250(text)) == text;
}

} // namespace

TextBox::TextBox(int maxLength, QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(maxLength);
}

void TextBox::pasteChecked(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    // The middle button pastes at the pointer, beside the selected text.
    if (mode == QClipboard::Selection)
        deselect();
    QString pasted = QApplication::clipboard()->text(mode);
    while (pasted.endsWith(u'\n') || pasted.endsWith(u'\r'))
        pasted.chop(1);
    if (pasted.isEmpty())
        return;
    if (!storable(pasted)) {
        reportRefusedInput(*this, kPasteNotAllowed);
        return;
    }
    if (text().size() - selectedText().size() + pasted.size() > maxLength()) {
        reportRefusedInput(*this, kPasteTooLong);
        return;
    }
    insert(pasted);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste goes through the same rules as Ctrl+V. Qt names it
    // with its own translated text, followed by the shortcut.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(pasteText)) {
            action->setObjectName(QStringLiteral("edit-paste"));
            action->disconnect(this);
            connect(action, &QAction::triggered, this, [this] { pasteChecked(); });
        }
    }
    menu->popup(event->globalPos());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the window system's selection.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()
        && rect().contains(event->position().toPoint())) {
        pasteChecked(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
