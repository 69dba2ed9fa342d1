// SPDX-License-Identifier: MIT
#include "splash.h"

#include "artwork.h"
#include "drawing.h"
#include "pencil.h"

#include <QPainter>
#include <QTransform>
#include <cmath>
#include <tuple>

namespace
{

constexpr double pi = 3.14159265358979323846;
constexpr double width = 273, height = 310;

// Where the lettering goes: the name's letters fill rows 34..65, the platform line's capitals
// rows 74..81, its right end under the name's.
constexpr double nameTop = 34, nameBottom = 66;
constexpr double lineCapTop = 74, lineBaseline = 82;

// Pencil colours.
const QColor graphite(0x2A, 0x2A, 0x30);
const QColor skyBlue(0x8C, 0xC4, 0xEE);
const QColor grassGreen(0x4C, 0xB8, 0x3C);
const QColor darkGreen(0x1E, 0x5A, 0x1E);
const QColor rustOrange(0xCC, 0x7A, 0x38);
const QColor darkBrown(0x5A, 0x2E, 0x14);
const QColor stripeRed(0xC8, 0x2A, 0x1E);
const QColor headbandBlue(0x2A, 0x62, 0xD0);
const QColor wire(0x8A, 0x8E, 0x94);
const QColor wireDark(0x4A, 0x4C, 0x52);
const QColor mouthRed(0x9A, 0x1C, 0x1C);
const QColor sunYellow(0xF4, 0xC8, 0x20);

// --- Frame and lettering -------------------------------------------------------------------

// The raised border, outermost ring first: light on the top and left, dark on the right and
// bottom, one 1x pixel per ring.
void drawBorder(QPainter& p)
{
    const QColor light[] = {QColor(0xD4, 0xD4, 0xD4), QColor(0xFF, 0xFF, 0xFF),
                            QColor(0xEC, 0xEC, 0xEC), QColor(0xFF, 0xFF, 0xFF)};
    const QColor dark[] = {QColor(0x00, 0x00, 0x00), QColor(0x40, 0x40, 0x40),
                           QColor(0x80, 0x80, 0x80), QColor(0xC0, 0xC0, 0xC0)};
    for (int ring = 0; ring < 4; ++ring) {
        const double l = ring, t = ring, r = width - ring, b = height - ring;
        p.fillRect(QRectF(l, t, r - l, 1), light[ring]);            // top
        p.fillRect(QRectF(l, t, 1, b - t), light[ring]);            // left
        p.fillRect(QRectF(r - 1, t, 1, b - t), dark[ring]);         // right
        p.fillRect(QRectF(l + 1, b - 1, r - l - 1, 1), dark[ring]); // bottom
    }
}

// Returns the right end of the name, so the platform line can end there too.
double drawName(QPainter& p, const QFont& font)
{
    const QString name = QString::fromUtf8(productName);
    const QPainterPath probe = drawing::textPath(font, 100, name, QPointF(0, 0));
    const QRectF box = probe.boundingRect();
    const double size = 100 * (nameBottom - nameTop) / box.height();
    QPainterPath path = drawing::textPath(font, size, name, QPointF(0, 0));
    const QRectF fitted = path.boundingRect();
    path.translate((width - fitted.width()) / 2 - fitted.left(), nameTop - fitted.top());
    p.fillPath(path, Qt::black);
    return path.boundingRect().right();
}

void drawPlatformLine(QPainter& p, const QFont& font, double right)
{
    const QString text = QString::fromUtf8(platformLine);
    // Size the line by its capitals: "L" is as tall as a capital gets.
    const QRectF capital =
        drawing::textPath(font, 100, QStringLiteral("L"), QPointF(0, 0)).boundingRect();
    const double size = 100 * (lineBaseline - lineCapTop) / capital.height();
    QPainterPath path = drawing::textPath(font, size, text, QPointF(0, lineBaseline));
    path.translate(right - path.boundingRect().right(), 0);
    p.fillPath(path, Qt::black);
}

// --- Cartoon helpers -----------------------------------------------------------------------

// A smooth curve through the given points.
QPainterPath curve(const QPolygonF& points)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points.first());
    if (points.size() == 2) {
        path.lineTo(points.last());
        return path;
    }
    for (int i = 1; i + 1 < points.size(); ++i) {
        const QPointF mid = (points[i] + points[i + 1]) / 2;
        path.quadTo(points[i], i + 2 == points.size() ? points[i + 1] : mid);
    }
    return path;
}

QPainterPath ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// A wobbly closed outline around `centre`, for the sketched ground and dust puffs.
QPainterPath blob(Prng& rng, QPointF centre, double rx, double ry, double roughness)
{
    QPolygonF points;
    const int n = 28;
    const double p1 = rng.range(0, 2 * pi), p2 = rng.range(0, 2 * pi);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * pi * i / n;
        const double r = 1 + roughness * (0.6 * std::sin(3 * a + p1) + 0.4 * std::sin(5 * a + p2));
        points << centre + QPointF(rx * r * std::cos(a), ry * r * std::sin(a));
    }
    QPainterPath path;
    path.moveTo((points[n - 1] + points[0]) / 2);
    for (int i = 0; i < n; ++i)
        path.quadTo(points[i], (points[i] + points[(i + 1) % n]) / 2);
    path.closeSubpath();
    return path;
}

// A creature: a resistor standing up, placed at `centre` and leaning by `tilt` degrees
// (clockwise). Its own coordinates have the body's middle at the origin, y downwards.
struct Creature {
    QPointF centre;
    double tilt;

    QTransform toScene() const
    {
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(tilt);
        return t;
    }
    QPointF at(double x, double y) const { return toScene().map(QPointF(x, y)); }
};

constexpr double bodyHalfHeight = 46, capHalfWidth = 25, waistHalfWidth = 17.5;

// The resistor body standing up: two rounded end caps and a narrower waist, in the creature's
// own coordinates.
QPainterPath bodyShape()
{
    const double h = bodyHalfHeight, c = capHalfWidth, w = waistHalfWidth;
    QPainterPath path;
    path.moveTo(0, -h);
    path.cubicTo(c * 0.9, -h, c, -h + 6, c, -h + 14);
    path.cubicTo(c, -h + 22, w, -h + 22, w, -h + 28);
    path.lineTo(w, h - 28);
    path.cubicTo(w, h - 22, c, h - 22, c, h - 14);
    path.cubicTo(c, h - 6, c * 0.9, h, 0, h);
    path.cubicTo(-c * 0.9, h, -c, h - 6, -c, h - 14);
    path.cubicTo(-c, h - 22, -w, h - 22, -w, h - 28);
    path.lineTo(-w, -h + 28);
    path.cubicTo(-w, -h + 22, -c, -h + 22, -c, -h + 14);
    path.cubicTo(-c, -h + 6, -c * 0.9, -h, 0, -h);
    path.closeSubpath();
    return path;
}

// The right-hand side of the body, which lies in shade.
QPainterPath shadeSide()
{
    QPainterPath path;
    path.addEllipse(QPointF(-18, 8), 34, 62);
    QPainterPath all;
    all.addRect(-40, -60, 80, 120);
    return all.subtracted(path);
}

// A wire limb through `points` (scene coordinates): a dark edge with the grey metal inside.
void wireLimb(Pencil& pen, const QPolygonF& points)
{
    const QPainterPath path = curve(points);
    pen.line(path, wireDark, 3.4, 1, 0.35);
    pen.line(path, wire, 1.9, 2, 0.3);
}

// A fist: the wire's end rolled into a ball.
void fist(Pencil& pen, QPointF centre, double radius)
{
    QPainterPath ball = ellipse(centre, radius, radius * 0.85);
    pen.colourIn(ball, wire);
    pen.line(ball, wireDark, 1.2, 2, 0.3);
    QPainterPath knuckles;
    for (int k = -1; k <= 1; ++k) {
        knuckles.moveTo(centre + QPointF(radius * 0.25, k * radius * 0.45));
        knuckles.lineTo(centre + QPointF(radius * 0.85, k * radius * 0.45));
    }
    pen.line(knuckles, wireDark, 0.8, 1, 0.15);
}

// An open hand: three fingers spread from the wire's end along `direction` (degrees).
void openHand(Pencil& pen, QPointF wrist, double direction)
{
    QPainterPath fingers;
    for (double spread : {-38.0, 0.0, 38.0}) {
        const double a = (direction + spread) * pi / 180;
        fingers.moveTo(wrist);
        fingers.lineTo(wrist + QPointF(std::cos(a), std::sin(a)) * 6.5);
    }
    pen.line(fingers, wireDark, 2.4, 1, 0.2);
    pen.line(fingers, wire, 1.2, 1, 0.2);
}

// A foot: the wire bent forward at the end of the leg.
QPolygonF leg(const Creature& c, double hipX, QPointF knee, QPointF heel, double toes)
{
    return QPolygonF{c.at(hipX, bodyHalfHeight - 2), knee, heel, heel + QPointF(toes, 0.5)};
}

void motionStroke(Pencil& pen, QPointF from, QPointF bend, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.quadTo(bend, to);
    pen.line(path, graphite, 1.0, 1, 0.2);
}

// --- The two fighters ----------------------------------------------------------------------

const Creature green{QPointF(96, 204), 9};
const Creature orange{QPointF(186, 200), 17};

void drawGround(Pencil& pen, QPainter& p)
{
    Prng& rng = pen.random();
    const QPainterPath ground = blob(rng, QPointF(138, 206), 126, 98, 0.07);
    QColor sky = skyBlue;
    sky.setAlphaF(0.22f);
    p.fillPath(ground, sky);
    QColor strokes = skyBlue;
    strokes.setAlphaF(0.55f);
    pen.hatch(ground, strokes, -28, 3.2, 1.1);
    strokes.setAlphaF(0.3f);
    pen.hatch(ground, strokes, 62, 5.5, 0.9);
    QColor edge = skyBlue.darker(115);
    edge.setAlphaF(0.6f);
    pen.line(ground, edge, 1.0, 2, 0.8);

    // The floor they stand on, a darker band of blue under their feet.
    const QPainterPath floor = blob(rng, QPointF(142, 282), 108, 12, 0.1);
    QColor shadow = skyBlue.darker(135);
    shadow.setAlphaF(0.55f);
    pen.hatch(floor, shadow, -15, 1.8, 1.0);
}

void drawBody(Pencil& pen, QPainter& p, const Creature& c, const QColor& colour)
{
    p.save();
    p.setTransform(c.toScene(), true);
    const QPainterPath body = bodyShape();
    p.fillPath(body, Qt::white);
    pen.colourIn(body, colour, shadeSide());
    // A gleam down the lit side.
    QPainterPath gleam;
    gleam.moveTo(-16, -34);
    gleam.quadTo(-19, -20, -15, -10);
    gleam.moveTo(-14, 20);
    gleam.quadTo(-18, 30, -14, 38);
    pen.line(gleam, QColor(255, 255, 255, 200), 2.2, 1, 0.3);
    p.restore();
}

void outlineBody(Pencil& pen, QPainter& p, const Creature& c, const QColor& colour)
{
    p.save();
    p.setTransform(c.toScene(), true);
    pen.line(bodyShape(), colour, 1.5, 2, 0.5);
    p.restore();
}

void drawGreenFighter(Pencil& pen, QPainter& p)
{
    const Creature& c = green;
    // Behind the body: the leg at the back and the arm raised for the next blow.
    wireLimb(pen, leg(c, -9, QPointF(70, 266), QPointF(58, 282), -7));
    wireLimb(pen, QPolygonF{c.at(-19, -2), QPointF(58, 196), QPointF(48, 178), QPointF(54, 160)});
    fist(pen, QPointF(55, 155), 5.5);
    motionStroke(pen, QPointF(44, 146), QPointF(50, 138), QPointF(60, 140));
    motionStroke(pen, QPointF(41, 154), QPointF(44, 146), QPointF(50, 142));

    drawBody(pen, p, c, grassGreen);
    // The top lead sticks up and curls like a tuft of hair.
    wireLimb(pen, QPolygonF{c.at(0, -46), c.at(1, -54), c.at(8, -60), c.at(12, -55), c.at(7, -52)});
    outlineBody(pen, p, c, darkGreen);

    p.save();
    p.setTransform(c.toScene(), true);
    // Big eyes looking at the opponent.
    for (double x : {-10.5, 10.5}) {
        const QPainterPath eye = ellipse(QPointF(x, -27), 9, 11);
        p.fillPath(eye, Qt::white);
        pen.line(eye, graphite, 1.3, 2, 0.25);
        const QPainterPath pupil = ellipse(QPointF(x + 3.5, -25), 3.8, 4.4);
        p.fillPath(pupil, graphite);
        p.fillPath(ellipse(QPointF(x + 2.2, -27), 1.2, 1.2), Qt::white);
    }
    // Cocky eyebrows, lowered towards the middle.
    QPainterPath brows;
    brows.moveTo(-19, -43);
    brows.quadTo(-10, -45, -3, -39);
    brows.moveTo(3, -39);
    brows.quadTo(10, -45, 19, -43);
    pen.line(brows, graphite, 2.0, 2, 0.2);
    // A broad grin from cheek to cheek, teeth showing.
    QPainterPath mouth;
    mouth.moveTo(-16, -10);
    mouth.quadTo(-14, 4, 0, 6);
    mouth.quadTo(14, 4, 17, -11);
    mouth.quadTo(0, -4, -16, -10);
    mouth.closeSubpath();
    p.fillPath(mouth, mouthRed);
    QPainterPath teeth;
    teeth.moveTo(-14, -8.5);
    teeth.quadTo(0, -3, 15, -9.5);
    teeth.lineTo(13.5, -5);
    teeth.quadTo(0, 0.5, -12.5, -4.5);
    teeth.closeSubpath();
    p.fillPath(teeth, Qt::white);
    QPainterPath gaps;
    for (double x : {-6.0, 0.0, 6.0}) {
        gaps.moveTo(x, -6.8 + std::abs(x) * 0.05);
        gaps.lineTo(x, -2.5 + std::abs(x) * 0.1);
    }
    pen.line(gaps, graphite, 0.6, 1, 0.1);
    pen.line(mouth, graphite, 1.4, 2, 0.25);
    QPainterPath dimples;
    dimples.moveTo(-19, -13);
    dimples.quadTo(-17.5, -10, -18.5, -7);
    dimples.moveTo(20, -14);
    dimples.quadTo(18.5, -11, 19.5, -8);
    pen.line(dimples, darkGreen, 1.1, 1, 0.15);
    p.restore();

    // In front: the other leg, planted, and the punching arm.
    wireLimb(pen, leg(c, 9, QPointF(110, 266), QPointF(118, 283), 7));
    wireLimb(pen, QPolygonF{c.at(19, -4), QPointF(128, 196), QPointF(142, 182), QPointF(156, 171)});
    fist(pen, QPointF(160, 168), 6);
    motionStroke(pen, QPointF(126, 172), QPointF(136, 164), QPointF(148, 161));
    motionStroke(pen, QPointF(124, 184), QPointF(134, 176), QPointF(146, 173));
}

void drawOrangeFighter(Pencil& pen, QPainter& p)
{
    const Creature& c = orange;
    // Behind the body: the leg kicking out and the arm flung back.
    wireLimb(pen, leg(c, 9, QPointF(212, 258), QPointF(232, 268), 6));
    wireLimb(pen, QPolygonF{c.at(19, -6), QPointF(224, 192), QPointF(240, 178), QPointF(248, 160)});
    openHand(pen, QPointF(248, 160), -70);

    drawBody(pen, p, c, rustOrange);
    p.save();
    p.setTransform(c.toScene(), true);
    // The stripes of its colour code.
    const QPainterPath body = bodyShape();
    p.setClipPath(body);
    const QColor stripes[] = {darkBrown, graphite, stripeRed, darkBrown};
    const double stripeTops[] = {6, 15, 24, 33};
    for (int i = 0; i < 4; ++i) {
        QPainterPath band;
        band.moveTo(-30, stripeTops[i]);
        band.quadTo(0, stripeTops[i] + 3, 30, stripeTops[i]);
        band.lineTo(30, stripeTops[i] + 5);
        band.quadTo(0, stripeTops[i] + 8, -30, stripeTops[i] + 5);
        band.closeSubpath();
        QColor base = stripes[i];
        base.setAlphaF(0.55f);
        p.fillPath(band, base);
        pen.hatch(band, stripes[i], -60, 1.3, 1.0);
    }
    // The headband round the top cap.
    QPainterPath headband;
    headband.moveTo(-30, -38);
    headband.quadTo(0, -34, 30, -39);
    headband.lineTo(30, -31);
    headband.quadTo(0, -26, -30, -30);
    headband.closeSubpath();
    p.fillPath(headband, Qt::white);
    pen.colourIn(headband, headbandBlue, shadeSide());
    p.setClipping(false);
    pen.line(headband.intersected(body), headbandBlue.darker(150), 1.1, 1, 0.2);
    p.restore();

    // The headband's knot and its ends flying out behind.
    const QPointF knot = c.at(24, -34);
    QPainterPath tails;
    tails.moveTo(knot);
    tails.cubicTo(knot + QPointF(8, -6), knot + QPointF(14, 2), knot + QPointF(24, -6));
    tails.lineTo(knot + QPointF(22, 0));
    tails.cubicTo(knot + QPointF(14, 6), knot + QPointF(8, 0), knot + QPointF(1, 3));
    tails.closeSubpath();
    QPainterPath tail2;
    tail2.moveTo(knot);
    tail2.cubicTo(knot + QPointF(6, 4), knot + QPointF(10, 12), knot + QPointF(20, 12));
    tail2.lineTo(knot + QPointF(16, 17));
    tail2.cubicTo(knot + QPointF(8, 15), knot + QPointF(3, 8), knot + QPointF(-1, 3));
    tail2.closeSubpath();
    for (const QPainterPath& t : {tails, tail2}) {
        p.fillPath(t, Qt::white);
        pen.colourIn(t, headbandBlue);
        pen.line(t, headbandBlue.darker(160), 1.1, 1, 0.25);
    }
    pen.colourIn(ellipse(knot, 3.2, 3.2), headbandBlue.darker(120));

    // The top lead stands on end in fright.
    wireLimb(pen,
             QPolygonF{c.at(0, -46), c.at(-2, -52), c.at(3, -57), c.at(-1, -62), c.at(2, -66)});
    outlineBody(pen, p, c, darkBrown);

    p.save();
    p.setTransform(c.toScene(), true);
    // Wide, round eyes with tiny pupils, turned to the attacker.
    for (double x : {-10.0, 10.0}) {
        const QPainterPath eye = ellipse(QPointF(x, -18), 8, 8.5);
        p.fillPath(eye, Qt::white);
        pen.line(eye, graphite, 1.3, 2, 0.25);
        p.fillPath(ellipse(QPointF(x - 3, -18), 2.1, 2.3), graphite);
    }
    // Eyebrows shot up, raised at the inner ends.
    QPainterPath brows;
    brows.moveTo(-17, -26);
    brows.quadTo(-10, -30, -4, -30);
    brows.moveTo(4, -30);
    brows.quadTo(10, -30, 17, -26);
    pen.line(brows, graphite, 1.8, 2, 0.2);
    // A mouth open in an "O" of alarm.
    const QPainterPath mouth = ellipse(QPointF(-2, -1), 5.5, 7);
    p.fillPath(mouth, mouthRed.darker(130));
    p.fillPath(ellipse(QPointF(-2, 2.5), 3.2, 2.4), QColor(0xE0, 0x60, 0x60));
    pen.line(mouth, graphite, 1.4, 2, 0.25);
    p.restore();

    // Beads of sweat flying off.
    for (const auto& [x, y, a] : {std::tuple{226.0, 150.0, 30.0}, std::tuple{232.0, 166.0, 60.0},
                                  std::tuple{204.0, 136.0, 10.0}}) {
        QPainterPath drop;
        const QPointF tip(x, y);
        const double r = a * pi / 180;
        const QPointF dir(std::cos(r), -std::sin(r));
        const QPointF side(-dir.y(), dir.x());
        const QPointF round = tip - dir * 5;
        drop.moveTo(tip);
        drop.quadTo(round + side * 3, round - dir * 2.5);
        drop.quadTo(round - side * 3, tip);
        drop.closeSubpath();
        pen.colourIn(drop, skyBlue.darker(110));
        pen.line(drop, skyBlue.darker(150), 0.8, 1, 0.1);
    }

    // In front: the leg staggering back and the arm flung up and out.
    wireLimb(pen, leg(c, -9, QPointF(170, 262), QPointF(172, 282), 8));
    wireLimb(pen,
             QPolygonF{c.at(-19, -6), QPointF(166, 206), QPointF(150, 214), QPointF(140, 228)});
    openHand(pen, QPointF(140, 228), 120);
    motionStroke(pen, QPointF(252, 176), QPointF(258, 166), QPointF(256, 152));
    motionStroke(pen, QPointF(246, 182), QPointF(252, 172), QPointF(250, 160));
    motionStroke(pen, QPointF(132, 236), QPointF(130, 246), QPointF(136, 252));
}

// The blow lands: a burst of short strokes and a spark between the fist and the face.
void drawImpact(Pencil& pen, QPainter& p)
{
    const QPointF at(167, 164);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * pi * i / 10 - pi / 2;
        const double r = i % 2 == 0 ? 11 : 5;
        const QPointF point = at + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    QColor spark = sunYellow;
    spark.setAlphaF(0.9f);
    p.fillPath(star, QColor(255, 255, 255, 200));
    pen.colourIn(star, spark);
    pen.line(star, QColor(0xD0, 0x70, 0x10), 1.0, 2, 0.2);
    QPainterPath rays;
    for (double a : {-110.0, -70.0, -30.0, 40.0}) {
        const double r = a * pi / 180;
        const QPointF d(std::cos(r), std::sin(r));
        rays.moveTo(at + d * 14);
        rays.lineTo(at + d * 21);
    }
    pen.line(rays, graphite, 1.1, 1, 0.15);
}

// Dust kicked up round their feet: little clouds of overlapping puffs.
void drawDust(Pencil& pen, QPainter& p)
{
    for (const auto& [x, y, r] : {std::tuple{142.0, 276.0, 5.5}, std::tuple{196.0, 282.0, 4.0},
                                  std::tuple{88.0, 284.0, 3.5}}) {
        QPainterPath cloud;
        for (const auto& [dx, dy, k] :
             {std::tuple{-1.3, 0.3, 0.8}, std::tuple{0.0, -0.4, 1.0}, std::tuple{1.3, 0.2, 0.85},
              std::tuple{0.6, 0.7, 0.7}, std::tuple{-0.6, 0.7, 0.7}})
            cloud = cloud.united(ellipse(QPointF(x + dx * r, y + dy * r), r * k, r * k * 0.85));
        p.fillPath(cloud, QColor(255, 255, 255, 200));
        QColor dust(0xC8, 0xBE, 0xB0);
        dust.setAlphaF(0.6f);
        pen.hatch(cloud, dust, 30, 2.2, 0.8);
        pen.line(cloud, QColor(0x9A, 0x90, 0x84), 0.9, 1, 0.25);
    }
}

} // namespace

QImage renderSplash(int scale, const QFont& font)
{
    QImage image(artwork::splashSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    const double right = drawName(p, font);
    drawPlatformLine(p, font, right);

    Pencil pen(p, 0x5EED0F0A2D5ull);
    drawGround(pen, p);
    drawDust(pen, p);
    drawGreenFighter(pen, p);
    drawOrangeFighter(pen, p);
    drawImpact(pen, p);

    drawBorder(p);
    return image;
}
