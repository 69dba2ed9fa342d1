#pragma once

#include "window_rules.h"

#include <QPixmap>
#include <QWidget>

class BandPicture;

// A band frame (picLine): a one-cell-high window onto its band picture, laid across the
// resistor body. Its vertical unit is its own height, one cell of the colour strip, so the
// band picture's top is set in cells. It clips the picture; its rightmost pixel column, which
// the picture does not cover, shows the frame's own background.
class BandFrame : public QWidget
{
    Q_OBJECT

public:
    BandFrame(int band, const QPixmap& strip, QWidget* parent);

    BandPicture* picture() const { return picture_; }

    // Moves the band picture so that its top lies `units` frame heights below the frame's top.
    void setPictureTop(float units);
    float pictureTop() const;

    // Does what a click on the band picture does.
    void press();

    // Whether the frame or its picture has the focus and the user works with the keyboard,
    // so that the window marks the band.
    bool showsFocusCue() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    BandPicture* picture_;
};

// A band picture (picLineColor): the colour strip, moved inside its frame so that the cell of
// the band's colour is the one in view. Clicking it selects the band.
class BandPicture : public QWidget
{
    Q_OBJECT

public:
    BandPicture(const QPixmap& strip, QWidget* frame);

    void press() { emit clicked(); }

signals:
    // A click on the picture, or Space or Enter on it or on its frame.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap strip_;
    ClickDetector click_;
};
