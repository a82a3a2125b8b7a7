#include "monitor/StatusPanels.h"

#include "monitor/ToneLabel.h"

#include <QLabel>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {
const QString kUnknownValue = QStringLiteral(".");
constexpr int kPanelMargin = 2;
} // namespace

TitledPanel::TitledPanel(const QString& name, const QString& caption, QWidget* parent)
    : QFrame(parent)
    , m_caption(new QLabel(caption, this))
    , m_layout(new QVBoxLayout(this))
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_layout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    m_layout->setSpacing(kPanelMargin);
    m_caption->setAlignment(Qt::AlignCenter);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_layout->addWidget(m_caption);
}

QString TitledPanel::caption() const
{
    return m_caption->text();
}

void TitledPanel::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

QLabel* TitledPanel::addValueLabel(const QString& name, const QString& initial)
{
    auto* label = new QLabel(initial, this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(label);
    return label;
}

InputRow::InputRow(int n, QWidget* parent)
    : panel(new TitledPanel(QStringLiteral("PanelIN%1").arg(n), QStringLiteral("IN%1").arg(n), parent))
    , state(panel->addValueLabel(QStringLiteral("lbINS%1").arg(n), kUnknownValue))
    , loop(panel->addValueLabel(QStringLiteral("lbINE%1").arg(n), kUnknownValue))
{
}

void InputRow::show(const monitor::InputDisplay& display)
{
    monitor::showToneText(*state, display.state);
    loop->setText(display.loop);
    if (display.loopTone)
        monitor::paintTone(*loop, *display.loopTone);
}

MessageMemo::MessageMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
}

void MessageMemo::addLine(const QString& line)
{
    // The document always holds one block, which takes the first line; an
    // empty line still counts as a line.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount > 0)
        cursor.insertBlock();
    cursor.insertText(line);
    ++m_lineCount;
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void MessageMemo::clearLines()
{
    clear();
    m_lineCount = 0;
}

QStringList MessageMemo::lines() const
{
    return m_lineCount == 0 ? QStringList() : toPlainText().split(u'\n');
}
