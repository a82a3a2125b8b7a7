#include "ui/WindowShell.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

void addCloseButton(QWidget& window, std::function<void()> onClick)
{
    auto* layout = new QVBoxLayout(&window);
    layout->addStretch(1);
    auto* button = new QPushButton(QStringLiteral("Ablak bezárása"), &window);
    layout->addWidget(button, 0, Qt::AlignRight);
    QObject::connect(button, &QPushButton::clicked, &window, std::move(onClick));
}

void centreOnScreen(QWidget& window)
{
    // The position is the frame's; its size is known once the window system
    // has framed the window, before that the client area stands for it.
    const QRect frame = window.frameGeometry();
    if (const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - (frame.center() - frame.topLeft()));
}
