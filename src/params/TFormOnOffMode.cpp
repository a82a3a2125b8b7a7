#include "params/TFormOnOffMode.h"

#include "params/SettingTexts.h"
#include "params/editor/RadioGroup.h"
#include "ui/WindowShell.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormOnOffMode::TFormOnOffMode(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Élesítés / Kikapcsolás módja az A és B bemeneteken"));
    QFont small = font();
    small.setPointSize(kFontPointSize);
    setFont(small);
    rgOnOffMode = new RadioGroup(QStringLiteral("Élesítés / Kikapcsolás"), params::texts::kArmingModes, 1, this);
    rgOnOffMode->setObjectName(QStringLiteral("rgOnOffMode"));
    btClose = new QPushButton(QStringLiteral("Bezárás"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    connect(btClose, &QPushButton::clicked, this, &TFormOnOffMode::btCloseClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rgOnOffMode, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btClose);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // Wider if the explanations need it: cut off, they would lose their ends.
    keepOuterSize(*this, {kWidth, kHeight});
}

void TFormOnOffMode::btCloseClick()
{
    accept();
}
