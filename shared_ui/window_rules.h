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

// Moves the window to its centred position on the primary screen.
void centreOnScreen(QWidget* window, QSize outerSize);

// Call once, from a fixed-size window's constructor: a window manager's maximise or full-screen
// request is undone, and so is any resize of the native window while it is in its normal state
// (a maximise that arrives after the window went back to normal does that under Wine).
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
