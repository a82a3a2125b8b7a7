#include "params/TFormDifferences.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFormDifferences::TFormDifferences(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Eltérések"));
    resize(640, 420);
    auto* layout = new QVBoxLayout(this);
    lbHeading = new QLabel(this);
    lbxDifferences = new QListWidget(this);
    lbxDifferences->setAccessibleName(QStringLiteral("Eltérő beállítások"));
    btClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
    layout->addWidget(lbHeading);
    layout->addWidget(lbxDifferences, 1);
    layout->addWidget(btClose, 0, Qt::AlignRight);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormDifferences::showDifferences(const QList<params::SettingDifference>& differences, const QString& sides)
{
    lbHeading->setText(QStringLiteral("%1 eltérő beállítás (%2):").arg(differences.size()).arg(sides));
    lbxDifferences->clear();
    for (const params::SettingDifference& difference : differences)
        lbxDifferences->addItem(difference.text());
}
