// SPDX-License-Identifier: MIT
#include "pencil.h"

#include <cmath>

namespace
{

constexpr double pi = 3.14159265358979323846;

double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

} // namespace

QPolygonF Pencil::wobbly(const QPolygonF& line, double amount)
{
    // Resample the line every 1.5 units and push each point sideways by a slow, random wave,
    // as a hand does; the ends overshoot or stop short a little.
    QPolygonF dense;
    for (int i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i], b = line[i + 1];
        const int steps = std::max(1, int(std::ceil(length(b - a) / 1.5)));
        for (int k = 0; k < steps; ++k)
            dense << a + (b - a) * (double(k) / steps);
    }
    if (!line.isEmpty())
        dense << line.last();
    if (dense.size() < 2)
        return dense;

    const double phase1 = rng_.range(0, 2 * pi), phase2 = rng_.range(0, 2 * pi);
    const double wave1 = rng_.range(14, 26), wave2 = rng_.range(5, 9);
    const QPointF shift(rng_.jitter(amount * 0.6), rng_.jitter(amount * 0.6));
    QPolygonF out;
    double travelled = 0;
    for (int i = 0; i < dense.size(); ++i) {
        if (i > 0)
            travelled += length(dense[i] - dense[i - 1]);
        const QPointF ahead = dense[std::min(i + 1, int(dense.size()) - 1)];
        const QPointF behind = dense[std::max(i - 1, 0)];
        const QPointF d = ahead - behind;
        const double l = length(d);
        const QPointF normal = l > 0 ? QPointF(-d.y() / l, d.x() / l) : QPointF();
        const double offset = amount * (0.7 * std::sin(travelled / wave1 + phase1) +
                                        0.3 * std::sin(travelled / wave2 + phase2));
        out << dense[i] + normal * offset + shift;
    }
    auto extend = [&](int end, int next) {
        const QPointF d = out[end] - out[next];
        const double l = length(d);
        if (l > 0)
            out[end] += d / l * rng_.range(-0.6, 0.9);
    };
    extend(0, 1);
    const int last = static_cast<int>(out.size()) - 1;
    extend(last, last - 1);
    return out;
}

void Pencil::line(const QPainterPath& path, const QColor& colour, double width, int passes,
                  double wobble)
{
    const QList<QPolygonF> pieces = path.toSubpathPolygons();
    p_.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < passes; ++pass) {
        for (const QPolygonF& piece : pieces) {
            QColor c = colour;
            c.setAlphaF(float(colour.alphaF() * rng_.range(0.72, 0.95)));
            QPen pen(c, width * rng_.range(0.85, 1.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p_.setPen(pen);
            p_.drawPolyline(wobbly(piece, wobble));
        }
    }
}

void Pencil::hatch(const QPainterPath& shape, const QColor& colour, double angle, double spacing,
                   double width)
{
    const QRectF box = shape.boundingRect();
    const QPointF centre = box.center();
    const double reach = length(QPointF(box.width(), box.height())) / 2 + 2;
    p_.save();
    p_.setClipPath(shape, Qt::IntersectClip);
    p_.setBrush(Qt::NoBrush);
    for (double d = -reach; d <= reach; d += spacing * rng_.range(0.8, 1.2)) {
        const double a = (angle + rng_.jitter(2.5)) * pi / 180;
        const QPointF along(std::cos(a), std::sin(a));
        const QPointF across(-along.y(), along.x());
        const QPointF mid = centre + across * d;
        QColor c = colour;
        c.setAlphaF(float(colour.alphaF() * rng_.range(0.55, 1.0)));
        p_.setPen(QPen(c, width * rng_.range(0.8, 1.15), Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(mid - along * (reach + rng_.jitter(3)), mid + along * (reach + rng_.jitter(3)));
    }
    p_.restore();
}

void Pencil::colourIn(const QPainterPath& shape, const QColor& colour, const QPainterPath& shadow)
{
    QColor base = colour;
    base.setAlphaF(0.45f);
    p_.fillPath(shape, base);
    QColor strokes = colour;
    strokes.setAlphaF(0.8f);
    hatch(shape, strokes, -60, 1.7, 1.0);
    if (!shadow.isEmpty()) {
        QColor dark = colour.darker(165);
        dark.setAlphaF(0.75f);
        hatch(shape.intersected(shadow), dark, -35, 1.4, 0.9);
    }
}
