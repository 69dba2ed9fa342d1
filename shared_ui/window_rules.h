// SPDX-License-Identifier: MIT
#pragma once

// Rules both windows of the program follow.

#include <QMouseEvent>
#include <QPoint>
#include <QRect>
#include <QSize>

class QEvent;
class QWidget;

// Where a window of the given outer size (title bar and borders included) goes on a screen:
// centred, left = (screen width - window width) / 2 and then top = (screen height - window
// height) / 2, in single precision. A window larger than the screen would start above or left of
// it, cutting off its title bar and close box: left and top never go past the top-left corner of
// the screen's available area.
QPoint centredPosition(const QRect& screen, const QRect& available, QSize outerSize);

// Moves the window to its centred position on its screen.
void centreOnScreen(QWidget* window, QSize outerSize);

// Feed a window's change events to it: a fixed-size window that a window manager maximises or
// makes full-screen goes back to its normal state, and so to its own size.
void keepNormalState(QWidget* window, const QEvent* event);

// Call once a fixed-size window's native window exists (from its first show): a window manager
// that resizes the native window while it is in its normal state (a maximise that arrives after
// the window went back to normal, for one) has it put back to the window's own size.
void keepFixedSize(QWidget* window);

// A click is a press and a release of the left button on the same control, the release still
// inside it. Feed it the control's mouse events; release() says whether they made a click.
class ClickDetector
{
public:
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    bool release(const QMouseEvent* event, const QRect& area)
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           area.contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};
