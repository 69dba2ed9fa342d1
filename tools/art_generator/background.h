// SPDX-License-Identifier: MIT
// The main window's background: a washed-out circuit board with a resistor standing on the left.
#pragma once

#include <QFont>
#include <QImage>

// Renders the background at `scale` device pixels per 1x pixel; `font` is used for the
// silkscreen lettering on the board.
QImage renderBackground(int scale, const QFont& font);
