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
// to its normal state, and a native window in its normal state is put back to the window's own
// size, whenever either changes its size or state: a window manager may resize the native window
// after the window went back to normal (a late maximise under Wine), or restore the normal state
// but keep the maximised size. This is done from the event loop, once per burst of changes, not
// from inside the change the window system is still delivering.
class FixedSizeKeeper : public QObject
{
public:
    explicit FixedSizeKeeper(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show &&
            window_->windowHandle() != native_) {
            // The native window exists from the first show on (and anew if it was recreated).
            native_ = window_->windowHandle();
            if (native_)
                native_->installEventFilter(this);
        }
        if (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange)
            restoreLater();
        return false;
    }

private:
    void restoreLater()
    {
        if (restorePending_)
            return;
        restorePending_ = true;
        QTimer::singleShot(0, window_, [this] {
            restorePending_ = false;
            restore();
        });
    }

    void restore()
    {
        const QSize own = window_->minimumSize();
        if (own != window_->maximumSize())
            return;
        if (window_->windowState() & kResized) {
            // Its state change comes back here, for the size.
            window_->setWindowState(window_->windowState() & ~kResized);
        } else if (native_ && !(native_->windowStates() & kResized) && native_->size() != own) {
            native_->resize(own);
        }
    }

    QWidget* window_;
    QPointer<QWindow> native_;
    bool restorePending_ = false;
};

} // namespace

void keepFixedSize(QWidget* window)
{
    window->installEventFilter(new FixedSizeKeeper(window));
}
