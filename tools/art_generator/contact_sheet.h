// SPDX-License-Identifier: MIT
// A single picture showing all the artwork side by side, for the documentation.
#pragma once

#include <QFont>
#include <QImage>

struct Artwork {
    QImage background;
    QImage strip;
    QImage strip2x;
    QImage splash;
    QList<QImage> icons; // ascending sizes
};

QImage renderContactSheet(const Artwork& art, const QFont& font);
