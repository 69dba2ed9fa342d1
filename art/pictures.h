// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// The built-in pictures as the windows show them, chosen for the screen's density.
namespace pictures
{

// The rendering made for the density: the 2x one on screens of device pixel ratio 2 or more,
// the 1x one elsewhere. The pixmap's own device pixel ratio makes either draw at the same
// logical size.
QPixmap pixmap(const char* path1x, const char* path2x, qreal devicePixelRatio);

// Makes `picture` the rendering for the density, decoding it only when it is not that one
// already: at first, and after its window moved to a screen of the other kind of density.
void keepSuited(QPixmap& picture, const char* path1x, const char* path2x, qreal devicePixelRatio);

// A picture that several widgets of one window show: one rendering for all of them, decoded
// when the first of them is painted and kept suited as above.
class SharedPicture
{
public:
    SharedPicture(const char* path1x, const char* path2x) : path1x_(path1x), path2x_(path2x) {}

    const QPixmap& suited(qreal devicePixelRatio)
    {
        keepSuited(picture_, path1x_, path2x_, devicePixelRatio);
        return picture_;
    }

private:
    const char* path1x_;
    const char* path2x_;
    QPixmap picture_;
};

// The window icon at every size it was drawn at.
QIcon windowIcon();

} // namespace pictures
