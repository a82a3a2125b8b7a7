#include "params/TFormOnOffMode.h"

#include "params/editor/RadioGroup.h"
#include "ui/WindowShell.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

// The blank runs line the parts of the explanations up in columns.
constexpr std::array<const char16_t*, 4> kModes{
    u"0 - Csak a kezelőn keresztül",
    u"1 - Kapcsolóval:                                                                Folyamatos 1k = Élesített ,                   Folyamatos 2k = Kikapcsolt,      (egyéb = szabotázs)",
    u"2 - Kétféle impulzussal:     Folyamatos 2k = alaphelyzet,    Rövidzár impulzus = Élesítés,              1k Impulzus = Kikapcsolás        (szakadás = szabotázs)",
    u"3 - Egyféle impulzussal:    Folyamatos 2k = alaphelyzet,    1k impulzus = Élesítés/Kikapcsolás,                                                      (egyéb = szabotázs)",
};

} // namespace

TFormOnOffMode::TFormOnOffMode(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Élesítés / Kikapcsolás módja az A és B bemeneteken"));
    QFont small = font();
    small.setPointSize(kFontPointSize);
    setFont(small);
    QStringList items;
    for (const char16_t* mode : kModes)
        items << QString::fromUtf16(mode);
    rgOnOffMode = new RadioGroup(QStringLiteral("Élesítés / Kikapcsolás"), items, 1, this);
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
