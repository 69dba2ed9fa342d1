// SPDX-License-Identifier: MIT
#include "background.h"

#include "artwork.h"
#include "drawing.h"
#include "shading.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

using drawing::mix;

namespace
{

// Board colours as photographed, before the picture is washed out.
const QColor solderMask(0x4A, 0x78, 0x58);
const QColor maskedCopper(0x7C, 0xB0, 0x84);
const QColor gold(0xD4, 0xB8, 0x74);
const QColor tin(0xC6, 0xC8, 0xC2);
const QColor silk(0xF2, 0xF2, 0xE6);
const QColor blackPlastic(0x26, 0x27, 0x28);
const QColor ivoryPlastic(0xEE, 0xE9, 0xD8);

// The heatsink lies under the two value labels (x 256..480, y 88..128 and 144..176), whose
// white text needs a dark ground; its cross channel runs in the gap between them.
const QRectF heatsinkArea(248, 80, 240, 104);
constexpr double heatsinkChannelTop = 132, heatsinkChannelHeight = 8;

// The resistor, in 1x pixel edges: both leads, both end caps, and the body from
// artwork::resistorBody.
constexpr double resistorAxis = 60; // the body's middle: edges 33 and 87
const QRectF upperLead(56, 12, 8, 48);
const QRectF lowerLead(55, 217, 8, 44);
constexpr double capLeft = 29, capRight = 91; // widest part of the end caps
constexpr double upperCapTop = 60, lowerCapBottom = 217;

// Green of the resistor body at its shaded flanks and at its brightest column.
const QColor bodyEdge(0x24, 0x5E, 0x2A);
const QColor bodyCentre(0xA6, 0xE6, 0x92);
constexpr double bodySharpness = 1.3;

class Board
{
public:
    Board(QPainter& painter, const QFont& font, int scale) : p_(painter), font_(font), scale_(scale)
    {
    }

    void ground(const QRectF& area)
    {
        p_.fillRect(area, solderMask);
        // The photograph's light falls from the upper left.
        QRadialGradient light(QPointF(120, 40), 520);
        light.setColorAt(0, QColor(255, 255, 255, 40));
        light.setColorAt(1, QColor(0, 0, 0, 40));
        p_.fillRect(area, light);
    }

    // A bundle of `count` parallel traces along `route`, `pitch` apart, with vias where asked.
    void traces(const QPolygonF& route, int count, double pitch, bool viaAtStart = false,
                bool viaAtEnd = false)
    {
        for (int i = 0; i < count; ++i) {
            const QPolygonF line = drawing::offsetPolyline(route, i * pitch);
            QPen pen(maskedCopper, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p_.setPen(pen);
            p_.setBrush(Qt::NoBrush);
            p_.drawPolyline(line);
            if (viaAtStart)
                via(line.first());
            if (viaAtEnd)
                via(line.last());
        }
    }

    void via(QPointF centre, double radius = 1.9)
    {
        p_.setPen(Qt::NoPen);
        p_.setBrush(gold);
        p_.drawEllipse(centre, radius, radius);
        p_.setBrush(QColor(0x2C, 0x30, 0x2C));
        p_.drawEllipse(centre, radius * 0.45, radius * 0.45);
    }

    void text(QPointF baseline, const QString& text, double size = 6.5, QColor colour = silk)
    {
        p_.fillPath(drawing::textPath(font_, size, text, baseline), colour);
    }

    void silkOutline(const QRectF& r)
    {
        p_.setPen(QPen(silk, 0.8));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r);
    }

    // A dual-in-line chip lying horizontally, pin 1 at the lower left. With `fanOut`, every pin
    // gets a short trace to a via, staggered so that the vias fit between the pins.
    void dip(const QRectF& body, int pinsPerSide, const QString& marking, const QString& name,
             bool fanOut = false)
    {
        const double pitch = body.width() / pinsPerSide;
        if (fanOut) {
            for (int i = 0; i < pinsPerSide; ++i) {
                const double x = body.left() + pitch * (i + 0.5);
                const double reach = i % 2 == 0 ? 5 : 9;
                traces(QPolygonF{{x, body.top()}, {x, body.top() - reach}}, 1, 0, false, true);
                traces(QPolygonF{{x, body.bottom()}, {x, body.bottom() + reach}}, 1, 0, false,
                       true);
            }
        }
        shadow(QPainterPath(), body, 1.6);
        for (int i = 0; i < pinsPerSide; ++i) {
            const double x = body.left() + pitch * (i + 0.5);
            pin(QRectF(x - 1.3, body.top() - 3.5, 2.6, 4));
            pin(QRectF(x - 1.3, body.bottom() - 0.5, 2.6, 4));
        }
        plasticBody(body);
        // Notch at the pin-1 end and the dimple beside pin 1.
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(0x10, 0x10, 0x10));
        p_.drawPie(QRectF(body.left() - 3, body.center().y() - 3, 6, 6), -90 * 16, 180 * 16);
        p_.setBrush(QColor(0x3A, 0x3B, 0x3C));
        p_.drawEllipse(QPointF(body.left() + 3.5, body.bottom() - 3.2), 1.2, 1.2);
        text(QPointF(body.left() + 6, body.center().y() + 2.2), marking, 6,
             QColor(0xB4, 0xB4, 0xAE));
        if (!name.isEmpty())
            text(QPointF(body.right() + 3, body.center().y() + 2.3), name);
    }

    // A square chip carrier with leads on all four sides.
    void plcc(const QRectF& body, int pinsPerSide, const QString& marking)
    {
        shadow(QPainterPath(), body, 2);
        const double pitch = body.width() / (pinsPerSide + 1);
        for (int i = 1; i <= pinsPerSide; ++i) {
            const double t = pitch * i;
            pin(QRectF(body.left() + t - 1, body.top() - 2.5, 2, 3));
            pin(QRectF(body.left() + t - 1, body.bottom() - 0.5, 2, 3));
            pin(QRectF(body.left() - 2.5, body.top() + t - 1, 3, 2));
            pin(QRectF(body.right() - 0.5, body.top() + t - 1, 3, 2));
        }
        QPainterPath outline;
        outline.moveTo(body.left() + 5, body.top());
        outline.lineTo(body.topRight());
        outline.lineTo(body.bottomRight());
        outline.lineTo(body.bottomLeft());
        outline.lineTo(body.left(), body.top() + 5);
        outline.closeSubpath();
        p_.setPen(QPen(QColor(0x0E, 0x0E, 0x0E), 0.8));
        p_.setBrush(blackPlastic);
        p_.drawPath(outline);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(0x3A, 0x3B, 0x3C));
        p_.drawEllipse(QPointF(body.center().x(), body.top() + 7), 1.6, 1.6);
        text(QPointF(body.left() + 6, body.center().y() + 3), marking, 6.5,
             QColor(0xB4, 0xB4, 0xAE));
    }

    // A surface-mounted resistor (black) or capacitor (tan) with tinned ends.
    void smd(QPointF centre, bool vertical, bool capacitor)
    {
        p_.save();
        p_.translate(centre);
        if (vertical)
            p_.rotate(90);
        p_.setPen(Qt::NoPen);
        p_.setBrush(gold);
        p_.drawRect(QRectF(-4.2, -2.2, 2.8, 4.4));
        p_.drawRect(QRectF(1.4, -2.2, 2.8, 4.4));
        p_.setBrush(tin);
        p_.drawRect(QRectF(-3.6, -1.6, 1.6, 3.2));
        p_.drawRect(QRectF(2.0, -1.6, 1.6, 3.2));
        p_.setBrush(capacitor ? QColor(0xB8, 0x8C, 0x5A) : QColor(0x1C, 0x1C, 0x1C));
        p_.drawRect(QRectF(-2.0, -1.6, 4.0, 3.2));
        p_.restore();
    }

    // An electrolytic capacitor seen from above: the can's top with its pressed vent, inside the
    // plastic sleeve with its minus stripe.
    void electrolytic(QPointF centre, double radius, const QString& name)
    {
        QPainterPath can;
        can.addEllipse(centre, radius, radius);
        shadow(can, QRectF(), 2.5);
        p_.setPen(QPen(silk, 0.8));
        p_.setBrush(Qt::NoBrush);
        p_.drawEllipse(centre, radius + 1.6, radius + 1.6);
        p_.setPen(QPen(QColor(0x12, 0x1C, 0x38), 0.7));
        p_.setBrush(QColor(0x2A, 0x44, 0x86));
        p_.drawEllipse(centre, radius, radius);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(0xB8, 0xC4, 0xDC));
        p_.drawPie(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                   200 * 16, 50 * 16);
        const double top = radius * 0.78;
        QRadialGradient metal(centre - QPointF(top * 0.4, top * 0.4), top * 1.6);
        metal.setColorAt(0, QColor(0xF4, 0xF4, 0xF2));
        metal.setColorAt(1, QColor(0x90, 0x94, 0x96));
        p_.setBrush(metal);
        p_.setPen(QPen(QColor(0x60, 0x64, 0x66), 0.6));
        p_.drawEllipse(centre, top, top);
        p_.setPen(QPen(QColor(0x6A, 0x6E, 0x70), 0.9));
        for (int k = 0; k < 3; ++k) {
            const double a = qDegreesToRadians(90.0 + 120 * k);
            p_.drawLine(centre, centre + QPointF(std::cos(a), -std::sin(a)) * top * 0.75);
        }
        if (!name.isEmpty())
            text(centre + QPointF(radius + 2.5, radius + 1), name);
    }

    // A crystal in its flat metal can.
    void crystal(const QRectF& r, const QString& name)
    {
        QPainterPath can;
        can.addRoundedRect(r, r.height() / 2, r.height() / 2);
        shadow(can, QRectF(), 1.8);
        QLinearGradient metal(r.topLeft(), r.bottomLeft());
        metal.setColorAt(0, QColor(0xF0, 0xF0, 0xEE));
        metal.setColorAt(0.45, QColor(0xC8, 0xCA, 0xCA));
        metal.setColorAt(1, QColor(0x7C, 0x80, 0x82));
        p_.setPen(QPen(QColor(0x50, 0x54, 0x56), 0.8));
        p_.setBrush(metal);
        p_.drawPath(can);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(QColor(0xA0, 0xA4, 0xA6), 0.6));
        const QRectF inner = r.adjusted(2, 2, -2, -2);
        p_.drawRoundedRect(inner, inner.height() / 2, inner.height() / 2);
        if (!name.isEmpty())
            text(QPointF(r.left(), r.top() - 2), name);
    }

    // An expansion slot lying horizontally, its key two-thirds along.
    void slot(const QRectF& r, bool ivory, const QString& name)
    {
        QPainterPath outline;
        outline.addRect(r);
        shadow(outline, QRectF(), 2.2);
        const QColor body = ivory ? ivoryPlastic : blackPlastic;
        QLinearGradient shade(r.topLeft(), r.bottomLeft());
        shade.setColorAt(0, body.lighter(ivory ? 104 : 160));
        shade.setColorAt(0.5, body);
        shade.setColorAt(1, body.darker(ivory ? 125 : 130));
        p_.setPen(QPen(ivory ? QColor(0x8C, 0x88, 0x7A) : QColor(0x0C, 0x0C, 0x0C), 0.8));
        p_.setBrush(shade);
        p_.drawRect(r);
        // The opening, with a contact spring every 2.5 px on both sides.
        const QRectF groove(r.left() + 3, r.center().y() - 1.4, r.width() - 6, 2.8);
        p_.setPen(Qt::NoPen);
        p_.setBrush(ivory ? QColor(0x3C, 0x3A, 0x36) : QColor(0x08, 0x08, 0x08));
        p_.drawRect(groove);
        p_.setBrush(gold.darker(ivory ? 110 : 140));
        for (double x = groove.left() + 1.5; x < groove.right() - 1; x += 2.5) {
            p_.drawRect(QRectF(x - 0.5, groove.top(), 1, 0.9));
            p_.drawRect(QRectF(x - 0.5, groove.bottom() - 0.9, 1, 0.9));
        }
        const double key = r.left() + r.width() * 0.68;
        p_.setBrush(body);
        p_.drawRect(QRectF(key, groove.top() - 0.2, 2.4, groove.height() + 0.4));
        if (!name.isEmpty())
            text(QPointF(r.right() + 3, r.bottom() - 2), name);
    }

    // The clock's coin cell in its holder.
    void coinCell(QPointF centre, double radius)
    {
        QPainterPath cell;
        cell.addEllipse(centre, radius, radius);
        shadow(cell, QRectF(), 2.5);
        p_.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.8));
        p_.setBrush(blackPlastic);
        p_.drawRect(QRectF(centre.x() - radius - 2, centre.y() - 3, 2 * radius + 4, 6));
        QRadialGradient metal(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.5);
        metal.setColorAt(0, QColor(0xF6, 0xF6, 0xF4));
        metal.setColorAt(0.6, QColor(0xC4, 0xC6, 0xC8));
        metal.setColorAt(1, QColor(0x86, 0x8A, 0x8C));
        p_.setPen(QPen(QColor(0x50, 0x54, 0x56), 0.8));
        p_.setBrush(metal);
        p_.drawEllipse(centre, radius, radius);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(QColor(0x9A, 0x9E, 0xA0), 0.7));
        p_.drawEllipse(centre, radius - 1.8, radius - 1.8);
        text(centre + QPointF(-radius * 0.75, 2.5), QStringLiteral("CR2032"), 5.5,
             QColor(0x60, 0x64, 0x66));
        text(centre + QPointF(-2, -radius * 0.35), QStringLiteral("+"), 7,
             QColor(0x60, 0x64, 0x66));
    }

    void mountingHole(QPointF centre, double radius)
    {
        p_.setPen(QPen(silk, 0.8));
        p_.setBrush(Qt::NoBrush);
        p_.drawEllipse(centre, radius + 2.2, radius + 2.2);
        p_.setPen(Qt::NoPen);
        p_.setBrush(tin);
        p_.drawEllipse(centre, radius, radius);
        QRadialGradient hole(centre + QPointF(0.8, 0.8), radius * 0.6);
        hole.setColorAt(0, QColor(0x10, 0x10, 0x10));
        hole.setColorAt(1, QColor(0x38, 0x38, 0x38));
        p_.setBrush(hole);
        p_.drawEllipse(centre, radius * 0.58, radius * 0.58);
    }

    // A block of header pins (jumper field) with one jumper fitted.
    void pinHeader(QPointF topLeft, int columns, int rows, int jumperColumn, const QString& name)
    {
        constexpr double pitch = 5;
        silkOutline(
            QRectF(topLeft - QPointF(1.5, 1.5), QSizeF(columns * pitch + 3, rows * pitch + 3)));
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r) {
                const QPointF centre = topLeft + QPointF((c + 0.5) * pitch, (r + 0.5) * pitch);
                p_.setPen(Qt::NoPen);
                p_.setBrush(QColor(0x1E, 0x1E, 0x1E));
                p_.drawRect(QRectF(centre - QPointF(2.3, 2.3), QSizeF(4.6, 4.6)));
                p_.setBrush(gold.lighter(110));
                p_.drawRect(QRectF(centre - QPointF(0.9, 0.9), QSizeF(1.8, 1.8)));
            }
        if (jumperColumn >= 0) {
            const QRectF jumper(topLeft + QPointF(jumperColumn * pitch + 0.2, 0.2),
                                QSizeF(pitch - 0.4, rows * pitch - 0.4));
            QPainterPath cap;
            cap.addRect(jumper);
            shadow(cap, QRectF(), 1.5);
            p_.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.6));
            p_.setBrush(QColor(0x3C, 0x58, 0x9C));
            p_.drawRect(jumper);
        }
        if (!name.isEmpty())
            text(topLeft + QPointF(0, rows * pitch + 8), name);
    }

    // The chipset's heatsink seen from above: rows of fins cut by one cross channel, held by
    // two clips.
    void heatsink(const QRectF& r)
    {
        QPainterPath block;
        block.addRect(r);
        drawing::softShadow(p_, block, QPointF(3, 4), 3, 0.55, scale_);
        p_.fillRect(r, QColor(0x16, 0x19, 0x18));
        constexpr double pitch = 6;
        const QRectF channel(r.left(), heatsinkChannelTop, r.width(), heatsinkChannelHeight);
        for (double x = r.left() + 3; x + 3 < r.right(); x += pitch) {
            for (const QRectF& part :
                 {QRectF(x, r.top() + 3, 3, channel.top() - r.top() - 3),
                  QRectF(x, channel.bottom(), 3, r.bottom() - channel.bottom() - 3)}) {
                QLinearGradient fin(part.topLeft(), part.topRight());
                fin.setColorAt(0, QColor(0x5E, 0x66, 0x62));
                fin.setColorAt(0.35, QColor(0x40, 0x47, 0x44));
                fin.setColorAt(1, QColor(0x24, 0x29, 0x27));
                p_.fillRect(part, fin);
                // The fin's cut end catches the light at the top.
                p_.fillRect(QRectF(part.left(), part.top(), part.width(), 1),
                            QColor(0x6E, 0x76, 0x72));
            }
        }
        // Frame: light on the upper and left edges, dark on the others.
        p_.setPen(QPen(QColor(0x78, 0x80, 0x7C), 1));
        p_.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5),
                    QPointF(r.left() + 0.5, r.top() + 0.5));
        p_.drawLine(QPointF(r.left() + 0.5, r.top() + 0.5),
                    QPointF(r.right() - 0.5, r.top() + 0.5));
        p_.setPen(QPen(QColor(0x06, 0x07, 0x07), 1));
        p_.drawLine(QPointF(r.right() - 0.5, r.top() + 0.5),
                    QPointF(r.right() - 0.5, r.bottom() - 0.5));
        p_.drawLine(QPointF(r.right() - 0.5, r.bottom() - 0.5),
                    QPointF(r.left() + 0.5, r.bottom() - 0.5));
        // Push pins at two corners hold it to the board.
        for (QPointF pinAt :
             {QPointF(r.left() + 7, r.top() + 7), QPointF(r.right() - 7, r.bottom() - 7)}) {
            p_.setPen(QPen(QColor(0x0A, 0x0A, 0x0A), 0.8));
            p_.setBrush(QColor(0xB8, 0xB2, 0xA0));
            p_.drawEllipse(pinAt, 4, 4);
            p_.setBrush(QColor(0x7A, 0x76, 0x6A));
            p_.drawEllipse(pinAt, 1.8, 1.8);
        }
    }

private:
    void shadow(const QPainterPath& shape, const QRectF& rect, double blur)
    {
        QPainterPath path = shape;
        if (path.isEmpty())
            path.addRect(rect);
        drawing::softShadow(p_, path, QPointF(blur * 0.6, blur * 0.8), blur, 0.45, scale_);
    }

    void pin(const QRectF& r)
    {
        p_.setPen(QPen(QColor(0x70, 0x72, 0x70), 0.5));
        p_.setBrush(tin);
        p_.drawRect(r);
    }

    void plasticBody(const QRectF& body)
    {
        QLinearGradient shade(body.topLeft(), body.bottomLeft());
        shade.setColorAt(0, QColor(0x48, 0x49, 0x4A));
        shade.setColorAt(0.25, blackPlastic);
        shade.setColorAt(1, QColor(0x14, 0x14, 0x15));
        p_.setPen(QPen(QColor(0x0C, 0x0C, 0x0C), 0.7));
        p_.setBrush(shade);
        p_.drawRect(body);
    }

    QPainter& p_;
    QFont font_;
    int scale_;
};

// Everything on the board except the heatsink, before the wash.
void drawBoard(Board& b)
{
    b.ground(QRectF(0, 0, 507, 315));

    // Left of the resistor: a bus running down the board, with parts tapping it.
    b.traces(QPolygonF{{3, -2}, {3, 58}, {9, 64}, {9, 196}, {3, 202}, {3, 320}}, 3, 3.6);
    b.traces(QPolygonF{{50, -2}, {50, 8}, {44, 14}, {44, 50}, {38, 56}, {20, 56}, {16, 60}}, 2, 3.6,
             false, true);
    b.mountingHole(QPointF(8, 8), 4);
    b.coinCell(QPointF(26, 30), 13);
    b.text(QPointF(14, 54), QStringLiteral("BT1"));
    for (int i = 0; i < 5; ++i) {
        const double y = 92 + i * 20;
        b.smd(QPointF(24, y), true, i % 2 == 1);
        b.traces(QPolygonF{{24, y - 5}, {24, y - 8}, {20.5, y - 11.5}}, 1, 0, false, true);
        b.traces(QPolygonF{{24, y + 5}, {24, y + 7}}, 1, 0, false, true);
    }
    b.text(QPointF(18, 205), QStringLiteral("R7"));
    b.traces(QPolygonF{{16, 212}, {26, 222}, {44, 222}, {48, 218}, {48, 200}}, 2, 3.6, true, true);
    b.dip(QRectF(4, 240, 42, 13), 8, QStringLiteral("7406"), QString(), true);
    b.text(QPointF(4, 226), QStringLiteral("U1"));
    b.traces(QPolygonF{{-2, 268}, {50, 268}, {56, 274}, {110, 274}}, 4, 3.4);
    b.traces(QPolygonF{{-2, 296}, {120, 296}}, 4, 3.4);

    // Right of the resistor, up to the colour panel.
    b.traces(QPolygonF{{66, 8}, {98, 8}, {104, 14}, {240, 14}}, 3, -3.6, true, false);
    b.electrolytic(QPointF(86, 40), 8, QString());
    b.text(QPointF(72, 58), QStringLiteral("C2"));
    b.traces(QPolygonF{{100, 56}, {100, 70}, {96, 74}, {96, 210}, {100, 214}, {100, 226}}, 3, 3.6,
             true, true);
    for (int i = 0; i < 4; ++i)
        b.smd(QPointF(92.5, 112 + i * 22), true, i % 2 == 0);
    b.crystal(QRectF(70, 226, 30, 11), QStringLiteral("X1"));
    b.pinHeader(QPointF(70, 246), 6, 2, 2, QString());
    b.text(QPointF(102, 256), QStringLiteral("J1"));

    // Under the colour panel (hidden in the window, but the picture is a whole board).
    b.plcc(QRectF(126, 36, 56, 56), 11, QStringLiteral("82C206"));
    b.dip(QRectF(120, 124, 64, 14), 12, QStringLiteral("27C256"), QStringLiteral("U9"), true);
    b.dip(QRectF(120, 160, 64, 14), 12, QStringLiteral("62256"), QStringLiteral("U10"), true);
    b.traces(QPolygonF{{114, 104}, {200, 104}, {210, 114}, {210, 180}, {226, 196}}, 4, 3.6, true,
             false);

    // Upper right: two rows of chips above the heatsink, wired to each other and down the side.
    b.traces(QPolygonF{{238, 3}, {520, 3}}, 2, -3.4);
    b.traces(QPolygonF{{300, 10}, {318, 10}, {324, 4}}, 1, 0, true, false);
    b.mountingHole(QPointF(492, 18), 5);
    b.dip(QRectF(250, 22, 60, 14), 11, QStringLiteral("74F245"), QString());
    b.dip(QRectF(336, 22, 60, 14), 11, QStringLiteral("74F245"), QString());
    b.traces(QPolygonF{{236, 44}, {420, 44}, {426, 50}, {426, 52}}, 2, 3.2, true, false);
    b.dip(QRectF(252, 58, 56, 12), 10, QStringLiteral("74LS32"), QStringLiteral("U5"));
    b.dip(QRectF(334, 58, 44, 12), 8, QStringLiteral("7407"), QStringLiteral("U6"));
    b.crystal(QRectF(398, 59, 24, 10), QString());
    b.text(QPointF(398, 77), QStringLiteral("X2"));
    b.electrolytic(QPointF(444, 62), 7, QString());
    b.electrolytic(QPointF(468, 62), 7, QString());
    b.text(QPointF(434, 53), QStringLiteral("C9  C10"), 6);
    b.traces(QPolygonF{{236, 30}, {236, 182}, {244, 190}}, 3, -3.6, true, false);
    b.traces(QPolygonF{{494, 36}, {494, 200}, {488, 206}, {420, 206}}, 3, 3.6, true, true);
    for (int i = 0; i < 6; ++i)
        b.via(QPointF(503, 46 + i * 30));

    // Lower right: expansion slots, two kinds, aligned at their left ends, and the traces that
    // run between them.
    const char* names[] = {"PCI1", "PCI2", "PCI3", "ISA1", "ISA2"};
    for (int i = 0; i < 5; ++i) {
        const double top = 192 + i * 17;
        const bool pci = i < 3;
        if (i > 0)
            b.traces(QPolygonF{{112, top - 4.5}, {pci ? 410.0 : 480.0, top - 4.5}}, 1, 0, false,
                     true);
        b.slot(QRectF(124, top, pci ? 276 : 350, 10), pci, QString::fromLatin1(names[i]));
    }
    b.pinHeader(QPointF(430, 192), 8, 2, 5, QStringLiteral("JP3"));
    b.traces(QPolygonF{{430, 232}, {480, 232}}, 1, 0, true, true);
    for (int i = 0; i < 3; ++i)
        b.smd(QPointF(440 + 14 * i, 222), false, i != 1);
    b.traces(QPolygonF{{124, 284}, {490, 284}}, 3, 3.6, false, true);
    b.dip(QRectF(250, 300, 56, 12), 10, QStringLiteral("74LS04"), QString());
}

// The board of the photograph is pale: wash everything drawn so far out towards a light
// grey-green, a little less towards the lower right where the light falls off.
void washOut(QPainter& p)
{
    QLinearGradient wash(QPointF(0, 0), QPointF(507, 315));
    wash.setColorAt(0, QColor(0xE4, 0xEA, 0xE2, 140));
    wash.setColorAt(1, QColor(0xD6, 0xDE, 0xD4, 112));
    p.fillRect(QRectF(0, 0, 507, 315), wash);
}

// The resistor's green across the body, for a column position in body pixels (0 and 53 are the
// outline).
QColor bodyGreen(double x)
{
    return QColor(
        shading::toByte(shading::channel(bodyEdge.red(), bodyCentre.red(), bodySharpness, x)),
        shading::toByte(shading::channel(bodyEdge.green(), bodyCentre.green(), bodySharpness, x)),
        shading::toByte(shading::channel(bodyEdge.blue(), bodyCentre.blue(), bodySharpness, x)));
}

// Outline of an end cap, open along the side where it joins the body. `join` is the body's end
// edge, `tip` the cap's far end; the cap swells to its full width a third of the way out.
QPainterPath capOutline(double join, double tip)
{
    const double dir = tip > join ? 1 : -1;
    const double bodyLeft = artwork::resistorBody.left() + 0.5;
    const double bodyRight = artwork::resistorBody.right() + 0.5;
    const double length = std::abs(tip - join);
    const double swell = join + dir * length * 0.32;
    const double shoulder = join + dir * length * 0.62;
    QPainterPath path;
    path.moveTo(bodyLeft, join);
    path.cubicTo(bodyLeft, join + dir * length * 0.15, capLeft + 0.5, swell - dir * 3,
                 capLeft + 0.5, swell);
    path.lineTo(capLeft + 0.5, shoulder);
    path.cubicTo(capLeft + 0.5, tip, resistorAxis - 16, tip, resistorAxis, tip);
    path.cubicTo(resistorAxis + 16, tip, capRight - 0.5, tip, capRight - 0.5, shoulder);
    path.lineTo(capRight - 0.5, swell);
    path.cubicTo(capRight - 0.5, swell - dir * 3, bodyRight, join + dir * length * 0.15, bodyRight,
                 join);
    return path;
}

QPainterPath capArea(double join, double tip)
{
    QPainterPath path = capOutline(join, tip);
    const double dir = tip > join ? 1 : -1;
    path.lineTo(artwork::resistorBody.right() + 0.5, join - dir * 3);
    path.lineTo(artwork::resistorBody.left() + 0.5, join - dir * 3);
    path.closeSubpath();
    return path;
}

void drawLead(QPainter& p, const QRectF& lead)
{
    QLinearGradient wire(lead.topLeft(), lead.topRight());
    wire.setColorAt(0, QColor(0x5A, 0x5C, 0x5E));
    wire.setColorAt(0.3, QColor(0xE8, 0xEA, 0xEA));
    wire.setColorAt(0.55, QColor(0xC0, 0xC2, 0xC4));
    wire.setColorAt(1, QColor(0x4A, 0x4C, 0x4E));
    p.setPen(QPen(QColor(0x2E, 0x30, 0x30), 1));
    p.setBrush(wire);
    p.drawRect(lead.adjusted(0.5, 0.5, -0.5, -0.5));
}

void drawCap(QPainter& p, double join, double tip)
{
    QLinearGradient across(QPointF(capLeft, 0), QPointF(capRight, 0));
    for (int i = 0; i <= 16; ++i) {
        const double t = i / 16.0;
        across.setColorAt(t, bodyGreen(1 + t * 52));
    }
    const QPainterPath area = capArea(join, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(across);
    p.drawPath(area);
    // The rounded end turns towards the light; the waist towards the body falls into shade.
    QLinearGradient along(QPointF(0, tip), QPointF(0, join));
    along.setColorAt(0, QColor(255, 255, 255, 70));
    along.setColorAt(0.35, QColor(255, 255, 255, 0));
    along.setColorAt(0.8, QColor(0, 0, 0, 0));
    along.setColorAt(1, QColor(0, 0, 0, 60));
    p.setBrush(along);
    p.drawPath(area);
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(capOutline(join, tip));
}

// The body is set pixel by pixel so that its outline columns are pure black at every scale.
void drawBody(QImage& image, int scale)
{
    const QRect body = artwork::resistorBody;
    for (int y = body.top() * scale; y < (body.bottom() + 1) * scale; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = body.left() * scale; x < (body.right() + 1) * scale; ++x) {
            const int column = x / scale - body.left();
            if (column == 0 || column == body.width() - 1) {
                line[x] = qRgb(0, 0, 0);
                continue;
            }
            QColor c = bodyGreen((x + 0.5) / scale - 0.5 - body.left());
            if (column == 1 || column == body.width() - 2)
                c = QColor(shading::toByte(shading::rim(c.red())),
                           shading::toByte(shading::rim(c.green())),
                           shading::toByte(shading::rim(c.blue())));
            line[x] = c.rgb();
        }
    }
}

void drawResistor(QPainter& p, QImage& image, int scale)
{
    const double upperJoin = artwork::resistorBody.top();
    const double lowerJoin = artwork::resistorBody.bottom() + 1;
    QPainterPath silhouette;
    silhouette.addRect(upperLead);
    silhouette.addRect(lowerLead);
    silhouette.addPath(capArea(upperJoin, upperCapTop));
    silhouette.addPath(capArea(lowerJoin, lowerCapBottom));
    silhouette.addRect(QRectF(artwork::resistorBody));
    drawing::softShadow(p, silhouette.simplified(), QPointF(5, 4), 3.5, 0.5, scale);

    drawLead(p, upperLead);
    drawLead(p, lowerLead);
    drawCap(p, upperJoin, upperCapTop);
    drawCap(p, lowerJoin, lowerCapBottom);
    p.end();
    drawBody(image, scale);
}

} // namespace

QImage renderBackground(int scale, const QFont& font)
{
    QImage image(artwork::backgroundSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    Board board(p, font, scale);
    drawBoard(board);
    washOut(p);
    board.heatsink(heatsinkArea);
    drawResistor(p, image, scale);
    return image;
}
