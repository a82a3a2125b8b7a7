#include "mainwin/TSerialForm.h"

#include "link/DeviceLink.h"
#include "link/WireWords.h"
#include "ui/LinkRefusal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kWidth = 383;
constexpr int kHeight = 495;
} // namespace

TSerialForm::TSerialForm(DeviceLink& link, QWidget* parent)
    : QWidget(parent)
    , m_link(link)
{
    setWindowTitle(QStringLiteral("Soros kapcsolat részletei"));
    resize(kWidth, kHeight);

    RxMemo = new QListView(this);
    RxMemo->setModel(&m_link.monitor());
    // One line a row, all of one height: the view then lays out a hundred
    // thousand lines without measuring each.
    RxMemo->setUniformItemSizes(true);
    RxMemo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RxMemo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    RxMemo->setFont(QFont(QStringLiteral("Monospace")));
    // The list view's own Ctrl+C copies the current line only; these
    // actions take the keys while the memo has the focus.
    acCopy = new QAction(QStringLiteral("Másolás"), RxMemo);
    acCopy->setShortcut(QKeySequence::Copy);
    acSelectAll = new QAction(QStringLiteral("Összes kijelölése"), RxMemo);
    acSelectAll->setShortcut(QKeySequence::SelectAll);
    for (QAction* action : {acCopy, acSelectAll}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        RxMemo->addAction(action);
    }
    RxMemo->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(acCopy, &QAction::triggered, this, &TSerialForm::copySelectedLines);
    connect(acSelectAll, &QAction::triggered, RxMemo, &QListView::selectAll);

    btClear = new QPushButton(QStringLiteral("Ablak törlése"), this);
    btAT = new QPushButton(QStringLiteral("AT"), this);
    btClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RxMemo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btClear);
    buttons->addWidget(btAT);
    buttons->addStretch(1);
    buttons->addWidget(btClose);
    layout->addLayout(buttons);

    connect(btClear, &QPushButton::clicked, this, &TSerialForm::btClearClick);
    connect(btAT, &QPushButton::clicked, this, &TSerialForm::btATClick);
    connect(btClose, &QPushButton::clicked, this, &TSerialForm::btCloseClick);

    connect(&m_link.monitor(), &MonitorLog::rowsInserted, this, &TSerialForm::followNewestLine);
}

void TSerialForm::followNewestLine()
{
    // Scrolling lays out every line, so it happens once per burst of lines
    // and only where it can be seen.
    if (m_scrollPending || !isVisible())
        return;
    m_scrollPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_scrollPending = false;
            RxMemo->scrollToBottom();
        },
        Qt::QueuedConnection);
}

void TSerialForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    followNewestLine();
}

QString TSerialForm::selectedText() const
{
    // The selection lists its ranges in the order they were made; sorted
    // rows give the memo's order.
    QModelIndexList rows = RxMemo->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const QModelIndex& row : rows)
        lines << row.data().toString();
    return lines.join(u'\n');
}

void TSerialForm::copySelectedLines()
{
    if (RxMemo->selectionModel()->hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

void TSerialForm::btClearClick()
{
    m_link.monitor().clear();
}

void TSerialForm::btATClick()
{
    // A closed port sends nothing and says nothing; an "AT" between another
    // window's request and its answer would make the module answer it there.
    if (!m_link.isOpen() || refusedWhileBusy(m_link))
        return;
    m_link.serial().SendLineLogged(wire::kAttention);
}

void TSerialForm::btCloseClick()
{
    hide();
    emit closedByButton();
}
