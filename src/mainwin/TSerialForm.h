#pragma once

#include <QWidget>

class DeviceLink;
class QAction;
class QListView;
class QPushButton;

// Shows the dialogue on the serial line: every received line and every logged
// sent line. The memo is a view of the link's monitor text, which is the only
// copy and fills also while the window is hidden.
class TSerialForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSerialForm(DeviceLink& link, QWidget* parent = nullptr);

    void btClearClick();
    void btATClick();
    void btCloseClick();
    // Puts every selected line on the clipboard, top to bottom, each ended
    // by a line end except the last.
    void copySelectedLines();

    // The selected lines in the order the memo shows them, joined by line ends.
    QString selectedText() const;

    QListView* RxMemo = nullptr;
    QPushButton* btClear = nullptr;
    QPushButton* btAT = nullptr;
    QPushButton* btClose = nullptr;
    // The memo's context menu; Ctrl+C and Ctrl+A reach them too.
    QAction* acCopy = nullptr;
    QAction* acSelectAll = nullptr;

signals:
    // Hidden by its own button (the main window's button then offers to show it).
    void closedByButton();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Keeps the newest line in sight.
    void followNewestLine();

    DeviceLink& m_link;
    bool m_scrollPending = false;
};
