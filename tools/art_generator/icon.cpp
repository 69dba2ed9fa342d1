// SPDX-License-Identifier: MIT
#include "icon.h"

#include "drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace
{

// The drawing is laid out on a 32-unit square.
constexpr double design = 32;

const QColor outlineColour(0x10, 0x18, 0x12);
const QColor trackGreen(0x1F, 0xA0, 0x3E);
const QColor wireGrey(0xA8, 0xAC, 0xAE);
const QColor lowerBodyColour(0x52, 0xC4, 0x5E);
const QColor upperBodyColour(0xC4, 0xBC, 0x3A);
const QColor bandRed(0xE0, 0x1E, 0x1E);
const QColor bandGreen(0x0A, 0x6A, 0x22);
const QColor bandBlue(0x22, 0x4C, 0xE0);
const QColor bandYellow(0xFF, 0xE4, 0x1C);

// How the drawing adapts to the pixel size: outlines keep a sensible width in device pixels,
// and the small sizes align edges to the pixel grid and leave out the gloss.
struct Style {
    double scale;   // device pixels per design unit
    double outline; // outline width in design units
    bool snap;      // align to whole pixels
    bool gloss;     // highlights and shadows
    double wire;    // wire width in design units
};

Style styleFor(int size)
{
    Style s;
    s.scale = size / design;
    // At 16 px a full pixel of outline would swallow the bodies.
    const double outlinePixels = size < 32 ? 0.7 : std::max(1.0, size / 36.0);
    s.outline = outlinePixels / s.scale;
    s.wire = std::max(1.4, 1.0 / s.scale);
    s.snap = size <= 32;
    s.gloss = size >= 48;
    return s;
}

double snapTo(const Style& s, double v)
{
    return s.snap ? std::round(v * s.scale) / s.scale : v;
}

// A resistor body lying along the x axis from 0 to `length`, `thickness` thick, centred on y = 0:
// a waist between two rounded, slightly wider end caps.
QPainterPath resistorBody(double length, double thickness)
{
    const double cap = thickness * 0.62;
    const double waist = thickness * 0.40;
    const double half = thickness / 2;
    QPainterPath path;
    path.moveTo(cap * 0.5, -half);
    path.lineTo(cap, -half);
    path.cubicTo(cap + 0.8, -half, cap + 0.6, -waist, cap + 1.4, -waist);
    path.lineTo(length - cap - 1.4, -waist);
    path.cubicTo(length - cap - 0.6, -waist, length - cap - 0.8, -half, length - cap, -half);
    path.lineTo(length - cap * 0.5, -half);
    path.cubicTo(length + 0.2, -half, length + 0.2, half, length - cap * 0.5, half);
    path.lineTo(length - cap, half);
    path.cubicTo(length - cap - 0.8, half, length - cap - 0.6, waist, length - cap - 1.4, waist);
    path.lineTo(cap + 1.4, waist);
    path.cubicTo(cap + 0.6, waist, cap + 0.8, half, cap, half);
    path.lineTo(cap * 0.5, half);
    path.cubicTo(-0.2, half, -0.2, -half, cap * 0.5, -half);
    path.closeSubpath();
    return path;
}

// Draws a resistor whose body runs from `from` to `to`, with bands at the given fractions of its
// length.
void drawResistor(QPainter& p, const Style& s, QPointF from, QPointF to, double thickness,
                  const QColor& body, const std::initializer_list<std::pair<double, QColor>>& bands)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    p.save();
    p.translate(from);
    p.rotate(qRadiansToDegrees(std::atan2(d.y(), d.x())));
    const QPainterPath shape = resistorBody(length, thickness);

    QLinearGradient round(0, -thickness / 2, 0, thickness / 2);
    round.setColorAt(0, body.lighter(s.gloss ? 150 : 130));
    round.setColorAt(0.35, body);
    round.setColorAt(1, body.darker(s.gloss ? 170 : 140));
    p.setPen(Qt::NoPen);
    p.setBrush(round);
    p.drawPath(shape);

    p.setClipPath(shape);
    const double bandWidth = std::max(thickness * 0.22, 1.0 / s.scale);
    for (const auto& [at, colour] : bands) {
        const double x = at * length;
        QLinearGradient shade(0, -thickness / 2, 0, thickness / 2);
        shade.setColorAt(0, colour.lighter(s.gloss ? 140 : 115));
        shade.setColorAt(0.4, colour);
        shade.setColorAt(1, colour.darker(s.gloss ? 160 : 130));
        p.fillRect(QRectF(x - bandWidth / 2, -thickness, bandWidth, 2 * thickness), shade);
    }
    if (s.gloss) {
        p.setPen(QPen(QColor(255, 255, 255, 150), thickness * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(thickness * 0.35, -thickness * 0.28),
                   QPointF(length - thickness * 0.35, -thickness * 0.28));
    }
    p.setClipping(false);

    p.setPen(QPen(outlineColour, s.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.restore();
}

// A grey wire: a dark edge with the metal inside.
void drawWire(QPainter& p, const Style& s, const QPainterPath& path, double width)
{
    p.setBrush(Qt::NoBrush);
    if (s.scale < 1) {
        // Too small for an edge: one pixel of a grey dark enough to stand out on its own.
        p.setPen(QPen(wireGrey.darker(150), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        return;
    }
    p.setPen(
        QPen(outlineColour, width + 2 * s.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(wireGrey, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    if (s.gloss) {
        p.setPen(QPen(QColor(255, 255, 255, 170), width * 0.35, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(path.translated(-width * 0.15, -width * 0.15));
    }
}

} // namespace

QImage renderIcon(int size)
{
    const Style s = styleFor(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s.scale, s.scale);

    // The circuit track with a solder pad under each lead of the lower resistor.
    const double trackTop = snapTo(s, 26), trackHeight = snapTo(s, 3);
    const QRectF track(QPointF(snapTo(s, 1.5), trackTop),
                       QPointF(snapTo(s, 30.5), trackTop + trackHeight));
    QLinearGradient copper(track.topLeft(), track.bottomLeft());
    copper.setColorAt(0, trackGreen.lighter(s.gloss ? 135 : 115));
    copper.setColorAt(1, trackGreen.darker(130));
    p.setPen(QPen(outlineColour, s.outline));
    p.setBrush(copper);
    p.drawRoundedRect(track, trackHeight / 2, trackHeight / 2);
    const double leftPad = snapTo(s, 4.5), rightPad = snapTo(s, 27.5);

    // The lower resistor, its leads bent down onto the pads.
    const double lowerY = snapTo(s, 19.5);
    const double lowerLeft = snapTo(s, 8), lowerRight = snapTo(s, 24);
    QPainterPath leads;
    leads.moveTo(lowerLeft + 0.5, lowerY);
    leads.lineTo(leftPad + 1.2, lowerY);
    leads.quadTo(leftPad, lowerY, leftPad, lowerY + 1.2);
    leads.lineTo(leftPad, trackTop);
    leads.moveTo(lowerRight - 0.5, lowerY);
    leads.lineTo(rightPad - 1.2, lowerY);
    leads.quadTo(rightPad, lowerY, rightPad, lowerY + 1.2);
    leads.lineTo(rightPad, trackTop);
    drawWire(p, s, leads, s.wire);
    // Solder joints: low silver mounds on the track where the leads go in.
    for (double x : {leftPad, rightPad}) {
        QPainterPath mound;
        mound.moveTo(x - 2.4, trackTop + 0.6);
        mound.cubicTo(x - 1.6, trackTop - 0.2, x - 1.2, trackTop - 1.6, x, trackTop - 1.6);
        mound.cubicTo(x + 1.2, trackTop - 1.6, x + 1.6, trackTop - 0.2, x + 2.4, trackTop + 0.6);
        mound.closeSubpath();
        QLinearGradient solder(QPointF(x - 2, 0), QPointF(x + 2, 0));
        solder.setColorAt(0, QColor(0xF0, 0xF2, 0xEE));
        solder.setColorAt(1, QColor(0x8A, 0x90, 0x8C));
        p.setPen(QPen(outlineColour, s.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(solder);
        p.drawPath(mound);
    }
    drawResistor(p, s, QPointF(lowerLeft, lowerY), QPointF(lowerRight, lowerY), 7.2,
                 lowerBodyColour,
                 {{0.30, bandRed}, {0.43, bandGreen}, {0.56, bandBlue}, {0.76, bandYellow}});

    // The upper resistor, tilted, one lead arching away to the upper right.
    const QPointF upperLow(4.5, 14.5), upperHigh(17.5, 6.5);
    QPainterPath upperLeads;
    upperLeads.moveTo(upperHigh - QPointF(0.8, -0.5));
    upperLeads.cubicTo(QPointF(22, 3.5), QPointF(25.5, 1.8), QPointF(29.5, 4.2));
    upperLeads.moveTo(upperLow + QPointF(0.8, -0.5));
    upperLeads.lineTo(QPointF(2.4, 16.4));
    drawWire(p, s, upperLeads, s.wire * 0.93);
    drawResistor(p, s, upperLow, upperHigh, 6.4, upperBodyColour,
                 {{0.28, bandYellow}, {0.45, bandBlue}, {0.62, bandRed}});
    p.end();
    return image;
}
