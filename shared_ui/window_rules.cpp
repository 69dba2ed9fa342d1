// SPDX-License-Identifier: MIT
#include "window_rules.h"

#include <QGuiApplication>
#include <QPointer>
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
    // The primary screen, as Windows opens programs there: not whichever screen holds (0, 0),
    // where a window that is not shown yet believes itself to be.
    const QScreen* screen = QGuiApplication::primaryScreen();
    window->move(centredPosition(screen->geometry(), screen->availableGeometry(), outerSize));
}

namespace
{

// The states in which a window manager sizes a window by itself.
constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches a fixed-size window and its native window. A maximised or full-screen window goes back
// to its normal state; a native window resized in its normal state (under Wine a maximise can
// arrive after the window went back to normal) is put back to the window's own size. Both are
// done from the event loop, not from inside the change the window system is still delivering.
class FixedSizeKeeper : public QObject
{
public:
    explicit FixedSizeKeeper(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_)
            windowEvent(event);
        else if (watched == native_ && event->type() == QEvent::Resize && !hasOwnSize())
            QTimer::singleShot(0, window_, [this] {
                if (!hasOwnSize())
                    native_->resize(window_->minimumSize());
            });
        return false;
    }

private:
    void windowEvent(const QEvent* event)
    {
        if (event->type() == QEvent::WindowStateChange && (window_->windowState() & kResized)) {
            QTimer::singleShot(0, window_, [window = window_] {
                window->setWindowState(window->windowState() & ~kResized);
            });
        } else if (event->type() == QEvent::Show && window_->windowHandle() != native_) {
            // The native window exists from the first show on (and anew if it was recreated).
            native_ = window_->windowHandle();
            if (native_)
                native_->installEventFilter(this);
        }
    }

    // Whether the native window has the window's size, or is in a state that sizes it anyway.
    bool hasOwnSize() const
    {
        return !native_ || window_->minimumSize() != window_->maximumSize() ||
               (native_->windowStates() & kResized) || native_->size() == window_->minimumSize();
    }

    QWidget* window_;
    QPointer<QWindow> native_;
};

} // namespace

void keepFixedSize(QWidget* window)
{
    window->installEventFilter(new FixedSizeKeeper(window));
}
