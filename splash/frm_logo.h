// SPDX-License-Identifier: MIT
#pragma once

#include "window_rules.h"

#include <QDialog>
#include <QPixmap>

class QTimer;

// The splash window: nothing but the splash picture, frameless and centred. Constructing it
// loads it (centred, hidden, its timer running); it hides itself at a click or when its timer
// fires 5000 ms after it was created, which ends a modal exec().
class FrmLogo : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTimerIntervalMs = 5000;

    explicit FrmLogo(QWidget* parent = nullptr);

    void Form_Click();
    void Timer_Timer();

signals:
    // Once, from the event loop, after the picture was first painted and handed to the window
    // system: work that can wait until the splash window is on the screen starts here.
    void pictureShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    QPixmap picture_;
    bool pictureShownAnnounced_ = false;
    QTimer* Timer;
    ClickDetector click_;
};
