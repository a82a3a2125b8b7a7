#include "mainwin/TSerialForm.h"

#include "link/DeviceLink.h"
#include "link/WireWords.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

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

void TSerialForm::btClearClick()
{
    m_link.monitor().clear();
}

void TSerialForm::btATClick()
{
    m_link.serial().SendLineLogged(wire::kAttention);
}

void TSerialForm::btCloseClick()
{
    hide();
    emit closedByButton();
}
