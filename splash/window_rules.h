#pragma once

// Rules every window of the program follows.

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

// Centres a window on its screen by its outer size (title bar and borders included):
// left = (screen width - window width) / 2, then top = (screen height - window height) / 2.
inline void centreOnScreen(QWidget* window, QSize outerSize)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const float left =
        (static_cast<float>(area.width()) - static_cast<float>(outerSize.width())) / 2;
    const float top =
        (static_cast<float>(area.height()) - static_cast<float>(outerSize.height())) / 2;
    window->move(area.x() + qRound(left), area.y() + qRound(top));
}

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
