#pragma once

#include <QClipboard>
#include <QLineEdit>

// An edit box of a text field of the image (a name, an SMS text, a code, the
// test report time) whose limit holds for a paste as it does for typing: a
// pasted text is taken whole or not at all. It is refused when it would not
// fit beside the text that stays, or when it holds a line break, a tab or a
// character the module's code page cannot store; the window then says why.
// Under an input mask (the editor's masks take digits) it must be digits,
// blanks and the mask's own separators, no more digits than the positions
// from the cursor on. Line ends after the text (a copied line) are not part
// of it. Dropped text is not taken: a drop would pass these rules by.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(int maxLength, QWidget* parent = nullptr);

    // Pastes the clipboard's text (the selection's, for the middle button)
    // under the rules above. The context menu's paste, named "edit-paste",
    // comes here too.
    void pasteChecked(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Why `pasted` may not be pasted, or nothing.
    QString refusal(const QString& pasted) const;
    QString refusalUnderMask(const QString& pasted) const;
};
