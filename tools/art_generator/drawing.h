// SPDX-License-Identifier: MIT
// Small drawing helpers shared by the pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace drawing
{

// A polyline moved sideways by `distance` (positive: to the left of the direction of travel),
// with mitred corners, for bundles of parallel traces.
QPolygonF offsetPolyline(const QPolygonF& line, double distance);

// Blurs the alpha channel of an ARGB32 premultiplied image in place (three box passes, close to
// a Gaussian of the given radius in device pixels).
void blurAlpha(QImage& image, int radius);

// Draws `shape` (in the painter's logical coordinates) as a soft shadow: filled black at
// `opacity`, blurred by `blur` logical pixels, moved by `offset`. `scale` is the painter's
// device pixels per logical pixel.
void softShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, double blur,
                double opacity, int scale);

// Text as an outline path, so that glyphs are filled by the painter's own rasteriser and come out
// the same whatever the font engine's hinting settings. `pixelSize` is the em size.
QPainterPath textPath(const QFont& font, double pixelSize, const QString& text, QPointF baseline);

// Linear interpolation between two colours.
QColor mix(const QColor& a, const QColor& b, double t);

} // namespace drawing
