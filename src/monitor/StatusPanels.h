#pragma once

#include "monitor/InputState.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

class QLabel;
class QVBoxLayout;

// A raised panel with a caption on top and value labels under it; the
// status window's inputs, partitions, supplies, outputs and relays.
class TitledPanel : public QFrame
{
    Q_OBJECT
public:
    TitledPanel(const QString& name, const QString& caption, QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);

    // A value label under the caption and the labels before it.
    QLabel* addValueLabel(const QString& name, const QString& initial);

private:
    QLabel* m_caption;
    QVBoxLayout* m_layout;
};

// One alarm input INn: its panel captioned with the zone, the state label
// (`lbINSn`) and the loop label (`lbINEn`).
struct InputRow
{
    InputRow(int n, QWidget* parent);

    // Texts and tones of one decoded report; the loop label keeps its colour
    // when the report gives it none.
    void show(const monitor::InputDisplay& display);

    TitledPanel* panel;
    QLabel* state;
    QLabel* loop;
};

// The module's message memo: one line per added text, an empty text
// included, until cleared.
class MessageMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MessageMemo(QWidget* parent = nullptr);

    void addLine(const QString& line);
    void clearLines();
    QStringList lines() const;

private:
    int m_lineCount = 0;
};
