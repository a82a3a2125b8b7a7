#include "ui/WindowShell.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

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
        const QEvent::Type type = event->type();
        if (watched == &m_window && type == QEvent::Show) {
            // A window manager frames the window after it is shown; the
            // window system's window hears of it (moved, resized, exposed)
            // where the widget may hear nothing.
            m_system = m_window.windowHandle();
            if (m_system)
                m_system->installEventFilter(this);
            fit();
        } else if (watched == m_system && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose)) {
            fit();
        }
        return false;
    }

private:
    void fit()
    {
        const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
        if (frame.width() <= 0 && frame.height() <= 0)
            return;
        // Done before resizing: the resize must not come back here.
        m_window.removeEventFilter(this);
        if (m_system)
            m_system->removeEventFilter(this);
        m_window.resize(m_outer - frame);
        deleteLater();
    }

    QWidget& m_window;
    const QSize m_outer;
    QPointer<QWindow> m_system;
};

} // namespace

void keepOuterSize(QWidget& window, QSize outer)
{
    new OuterSizeKeeper(window, outer); // owned by the window
}
