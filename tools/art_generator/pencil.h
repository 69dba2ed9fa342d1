// SPDX-License-Identifier: MIT
// Coloured-pencil drawing: lines that wobble a little and are gone over more than once, and
// fills made of hatching. Every irregularity comes from a seeded Prng, so a drawing comes out
// the same on every run and at every scale.
#pragma once

#include "prng.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

class Pencil
{
public:
    Pencil(QPainter& painter, std::uint64_t seed) : p_(painter), rng_(seed) {}

    // Goes over `path` `passes` times with a pencil `width` wide.
    void line(const QPainterPath& path, const QColor& colour, double width, int passes = 2,
              double wobble = 0.45);

    // Fills `shape` with parallel pencil strokes at `angle` degrees, `spacing` apart.
    void hatch(const QPainterPath& shape, const QColor& colour, double angle, double spacing,
               double width = 0.9);

    // Colours `shape` in: a light layer of colour, hatching over it, and denser, darker hatching
    // in the part of the shape that lies in `shadow` (if not empty).
    void colourIn(const QPainterPath& shape, const QColor& colour,
                  const QPainterPath& shadow = QPainterPath());

    Prng& random() { return rng_; }

private:
    QPolygonF wobbly(const QPolygonF& line, double amount);

    QPainter& p_;
    Prng rng_;
};
