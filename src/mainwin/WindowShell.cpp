#include "mainwin/WindowShell.h"

#include <QPushButton>
#include <QVBoxLayout>

void addCloseButton(QWidget& window, std::function<void()> onClick)
{
    auto* layout = new QVBoxLayout(&window);
    layout->addStretch(1);
    auto* button = new QPushButton(QStringLiteral("Ablak bezárása"), &window);
    layout->addWidget(button, 0, Qt::AlignRight);
    QObject::connect(button, &QPushButton::clicked, &window, std::move(onClick));
}
