#include "mainwin/TSerialForm.h"

#include "link/DeviceLink.h"
#include "link/WireWords.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
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

    RxMemo = new QPlainTextEdit(this);
    RxMemo->setReadOnly(true);
    RxMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
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

    MonitorLog& log = m_link.monitor();
    RxMemo->setPlainText(log.lines().join(u'\n'));
    connect(&log, &MonitorLog::appended, this, &TSerialForm::appendLine);
    connect(&log, &MonitorLog::cleared, RxMemo, &QPlainTextEdit::clear);
}

void TSerialForm::appendLine(const QString& text)
{
    // The memo always ends with the empty line being filled: the new text
    // takes its place and a new empty line follows.
    QTextCursor end(RxMemo->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text + u'\n');
    RxMemo->verticalScrollBar()->setValue(RxMemo->verticalScrollBar()->maximum());
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
