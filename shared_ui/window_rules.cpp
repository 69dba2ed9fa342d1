// SPDX-License-Identifier: MIT
#include "window_rules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

QPoint centredPosition(const QRect& screen, const QRect& available, QSize outerSize)
{
    const float left =
        (static_cast<float>(screen.width()) - static_cast<float>(outerSize.width())) / 2;
    const float top =
        (static_cast<float>(screen.height()) - static_cast<float>(outerSize.height())) / 2;
    return {std::max(screen.x() + qRound(left), available.left()),
            std::max(screen.y() + qRound(top), available.top())};
}

void centreOnScreen(QWidget* window, QSize outerSize)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->move(centredPosition(screen->geometry(), screen->availableGeometry(), outerSize));
}

namespace
{
// The states in which a window manager sizes a window by itself.
constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;
} // namespace

namespace
{

class FixedSizeGuard : public QObject
{
public:
    FixedSizeGuard(QWidget* window, QWindow* handle) : QObject(handle), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* handle = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Resize && !(handle->windowStates() & kResized) &&
            handle->size() != window_->minimumSize()) {
            QTimer::singleShot(0, window_, [window = window_] {
                QWindow* native = window->windowHandle();
                if (native && !(native->windowStates() & kResized) &&
                    native->size() != window->minimumSize())
                    native->resize(window->minimumSize());
            });
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void keepFixedSize(QWidget* window)
{
    QWindow* handle = window->windowHandle();
    if (!handle || window->minimumSize() != window->maximumSize() ||
        handle->findChild<FixedSizeGuard*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    handle->installEventFilter(new FixedSizeGuard(window, handle));
}

void keepNormalState(QWidget* window, const QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange || !(window->windowState() & kResized))
        return;
    // Not from inside the state change the window system is still delivering.
    QTimer::singleShot(0, window,
                       [window] { window->setWindowState(window->windowState() & ~kResized); });
}
