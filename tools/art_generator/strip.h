// SPDX-License-Identifier: MIT
// The colour strip: one cell per colour code, stacked from code 11 (gold) at the top down to
// code 0 (black) at the bottom.
#pragma once

#include <QImage>

// Renders the strip at `scale` device pixels per 1x pixel (1 or 2).
QImage renderStrip(int scale);
