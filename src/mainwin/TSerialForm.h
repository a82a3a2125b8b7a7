#pragma once

#include <QWidget>

class DeviceLink;
class QPlainTextEdit;
class QPushButton;

// Shows the dialogue on the serial line: every received line and every logged
// sent line, as the link's monitor text holds them, also while hidden.
class TSerialForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSerialForm(DeviceLink& link, QWidget* parent = nullptr);

    void btClearClick();
    void btATClick();
    void btCloseClick();

    QPlainTextEdit* RxMemo = nullptr;
    QPushButton* btClear = nullptr;
    QPushButton* btAT = nullptr;
    QPushButton* btClose = nullptr;

signals:
    // Hidden by its own button (the main window's button then offers to show it).
    void closedByButton();

private:
    void appendLine(const QString& text);

    DeviceLink& m_link;
};
