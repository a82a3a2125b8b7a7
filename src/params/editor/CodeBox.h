#pragma once

#include "params/editor/TextBox.h"

// An edit box for a user or installer code, six characters at most. It
// remembers the text it held when it was entered, and reports being left
// for another control of its window (not when the window itself loses the
// focus).
class CodeBox : public TextBox
{
    Q_OBJECT
public:
    explicit CodeBox(QWidget* parent = nullptr);

    // The text the box held when it was last entered, or was last given.
    const QString& textOnEntry() const { return m_textOnEntry; }
    // Shows a code read from the image.
    void showCode(const QString& code);

signals:
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_textOnEntry;
};
