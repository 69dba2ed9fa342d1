// SPDX-License-Identifier: MIT
#pragma once

#include "pictures.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

#include <memory>

class BandPicture;

// A band frame (picLine): a one-cell-high window onto its band picture, laid across the
// resistor body. Its vertical unit is its own height, one cell of the colour strip, so the
// band picture's top is set in cells. It clips the picture; its rightmost pixel column, which
// the picture does not cover, shows the frame's own background. It takes no focus: the band's
// one stop is its picture. To assistive technology it is the band's grouping, named after the
// band; its picture is the band's one button.
class BandFrame : public QWidget
{
    Q_OBJECT

public:
    // `strip` is the colour strip, shared by the window's band frames.
    BandFrame(int band, std::shared_ptr<pictures::SharedPicture> strip, QWidget* parent);

    // Makes assistive technology see band frames and pictures as described above. Must run before
    // anything asks for their accessible interfaces: Qt keeps the first one made for a widget.
    static void installAccessibleFactory();

    BandPicture* picture() const { return picture_; }

    // Moves the band picture so that its top lies `units` frame heights below the frame's top.
    void setPictureTop(float units);

    // Whether the band has the focus and the user works with the keyboard, so that the window
    // marks the band.
    bool showsFocusCue() const;

private:
    BandPicture* picture_;
};

// A band picture (picLineColor): the colour strip, moved inside its frame so that the cell of
// the band's colour is the one in view. Clicking it, or Space or Enter on it, selects the band. It
// is checked while its band is the one being edited; the window sets that from the band state, a
// click alone never changes it.
class BandPicture : public QAbstractButton
{
    Q_OBJECT

public:
    BandPicture(std::shared_ptr<pictures::SharedPicture> strip, QWidget* frame);

    // The part of the strip that shows inside the frame, in the picture's own coordinates.
    QRect visibleCell() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override {}

private:
    // Scales the visible part of the strip to the device rectangle it covers.
    static QImage scaledCell(const QPixmap& strip, const QRect& visible, const QRect& device,
                             const QTransform& toDevice);

    std::shared_ptr<pictures::SharedPicture> strip_;
    // The last scaled cell and what it was scaled for: a repaint of an unmoved band reuses it.
    QImage scaled_;
    QRect scaledVisible_, scaledDevice_;
    qint64 scaledStrip_ = 0;
};
