#include "params/editor/TextBox.h"

#include "link/Cp1250.h"
#include "params/editor/InputRefusal.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <vector>

namespace {

bool storable(QStringView text)
{
    const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
    return std::none_of(text.begin(), text.end(), isControl) && fromCp1250(toCp1250(text)) == text;
}

// The positions of an input mask, true where a character is entered and
// false for a separator shown as it is (collected in `separators`). Case
// switches and the part after ";" hold no position.
std::vector<bool> maskPositions(const QString& mask, QString& separators)
{
    static const QString kEntered = QStringLiteral("AaNnXx90DdHhBb#");
    std::vector<bool> entered;
    const QString pattern = mask.section(u';', 0, 0);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        QChar c = pattern.at(i);
        if (c == u'>' || c == u'<' || c == u'!')
            continue;
        const bool escaped = c == u'\\' && i + 1 < pattern.size();
        if (escaped)
            c = pattern.at(++i);
        const bool free = !escaped && kEntered.contains(c);
        if (!free)
            separators.append(c);
        entered.push_back(free);
    }
    return entered;
}

} // namespace

TextBox::TextBox(int maxLength, QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(maxLength);
    setAcceptDrops(false);
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
    const QString why = inputMask().isEmpty() ? refusal(pasted) : refusalUnderMask(pasted);
    if (!why.isEmpty()) {
        reportRefusedInput(*this, why);
        return;
    }
    insert(pasted);
}

QString TextBox::refusal(const QString& pasted) const
{
    if (!storable(pasted))
        return kPasteNotAllowed;
    if (text().size() - selectedText().size() + pasted.size() > maxLength())
        return kPasteTooLong;
    return {};
}

QString TextBox::refusalUnderMask(const QString& pasted) const
{
    QString separators;
    const std::vector<bool> positions = maskPositions(inputMask(), separators);
    const int from = hasSelectedText() ? selectionStart() : cursorPosition();
    const auto room = std::count(positions.begin() + std::min<std::size_t>(std::size_t(from), positions.size()),
                                 positions.end(), true);
    qsizetype entered = 0;
    for (const QChar c : pasted) {
        if (separators.contains(c))
            continue;
        if (!(c >= u'0' && c <= u'9') && c != u' ')
            return kPasteNotAllowed;
        ++entered;
    }
    return entered > room ? kPasteTooLong : QString();
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
