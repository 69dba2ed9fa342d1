// SPDX-License-Identifier: MIT
#include "frm_logo.h"

#include "artwork.h"
#include "handler_guard.h"
#include "pictures.h"
#include "window_rules.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

FrmLogo::FrmLogo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), Timer(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmLogo"));
    // The window has no title; assistive technology names it after the program and says what
    // its picture shows.
    setAccessibleName(QStringLiteral("Резистор"));
    setAccessibleDescription(
        QStringLiteral("Заставка программы: надпись «Резистор для Linux, Windows и macOS» и "
                       "два нарисованных резистора. Щелчок или пять секунд закрывают её."));
    setWindowIcon(pictures::windowIcon());
    setFixedSize(artwork::splashSize);
    keepFixedSize(this);

    Timer->setObjectName(QStringLiteral("Timer"));
    // Coarse timers may fire up to 5 % early; the splash stays its full five seconds.
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setInterval(kTimerIntervalMs);
    connect(Timer, &QTimer::timeout, this, HandlerGuard::guarded([this] { Timer_Timer(); }));
    Timer->start();

    Form_Load();
}

void FrmLogo::Form_Load()
{
    // The outer size is the picture's: the window has no frame. Moving it explicitly also keeps
    // Qt from placing the dialog by itself.
    centreOnScreen(this, size());
}

void FrmLogo::Form_Click()
{
    hide();
}

void FrmLogo::Timer_Timer()
{
    hide();
}

void FrmLogo::paintEvent(QPaintEvent*)
{
    // Decoded at the first paint, once the window is on its screen, and again after a move to a
    // screen of another density.
    pictures::keepSuited(picture_, artwork::splash, artwork::splash2x, devicePixelRatioF());
    QPainter(this).drawPixmap(0, 0, picture_);
    if (!pictureShownAnnounced_) {
        pictureShownAnnounced_ = true;
        // Queued: the painted picture still has to be flushed to the screen.
        QTimer::singleShot(0, this, &FrmLogo::pictureShown);
    }
}

void FrmLogo::mousePressEvent(QMouseEvent* event)
{
    click_.press(event);
}

void FrmLogo::mouseReleaseEvent(QMouseEvent* event)
{
    if (click_.release(event, rect()))
        HandlerGuard::run([this] { Form_Click(); });
}

void FrmLogo::keyPressEvent(QKeyEvent* event)
{
    // The splash window handles no key: Escape must not close it as it would a dialog.
    event->accept();
}

void FrmLogo::closeEvent(QCloseEvent* event)
{
    // Nor does the window manager's close (Alt+F4) end it: only a click or the timer does, and
    // closing it would end the whole program, its main window not being shown yet.
    if (event->spontaneous())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
