// SPDX-License-Identifier: MIT
// The window icon: two resistors over a circuit track, on a transparent ground.
#pragma once

#include <QImage>

// Renders the icon `size` pixels square. The drawing is made for 32 px; smaller and larger sizes
// get thicker or finer outlines and less or more detail.
QImage renderIcon(int size);
