#include "ui/WindowShell.h"

#include <QEvent>
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

namespace {

// Fits its window to an outer size until the window manager's frame is known.
class OuterSizeKeeper final : public QObject
{
public:
    OuterSizeKeeper(QWidget& window, QSize outer)
        : QObject(&window)
        , m_window(window)
        , m_outer(outer)
    {
        window.resize(outer);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A framed window is moved into its frame (and resized there by some
        // window managers); the show event comes before either.
        const QEvent::Type type = event->type();
        if (watched == &m_window && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
            fit();
        return false;
    }

private:
    void fit()
    {
        const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
        if (frame.width() <= 0 && frame.height() <= 0)
            return;
        // Removed before resizing: the resize event must not come back here.
        m_window.removeEventFilter(this);
        m_window.resize(m_outer - frame);
        deleteLater();
    }

    QWidget& m_window;
    const QSize m_outer;
};

} // namespace

void keepOuterSize(QWidget& window, QSize outer)
{
    new OuterSizeKeeper(window, outer); // owned by the window
}
