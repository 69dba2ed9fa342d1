// SPDX-License-Identifier: MIT
#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace drawing
{

namespace
{

QPointF leftNormal(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return length > 0 ? QPointF(d.y() / length, -d.x() / length) : QPointF(0, 0);
}

// One box-blur pass along rows (horizontal) or columns of an 8-bit plane.
void boxPass(std::vector<int>& plane, int width, int height, int radius, bool horizontal)
{
    const int outer = horizontal ? height : width;
    const int inner = horizontal ? width : height;
    std::vector<int> line(inner);
    for (int o = 0; o < outer; ++o) {
        auto at = [&](int i) -> int& {
            return horizontal ? plane[o * width + i] : plane[i * width + o];
        };
        for (int i = 0; i < inner; ++i)
            line[i] = at(i);
        int sum = 0;
        const int window = 2 * radius + 1;
        for (int i = -radius; i <= radius; ++i)
            sum += line[std::clamp(i, 0, inner - 1)];
        for (int i = 0; i < inner; ++i) {
            at(i) = (sum + window / 2) / window;
            sum += line[std::min(i + radius + 1, inner - 1)];
            sum -= line[std::max(i - radius, 0)];
        }
    }
}

} // namespace

QPolygonF offsetPolyline(const QPolygonF& line, double distance)
{
    QPolygonF result;
    const int n = static_cast<int>(line.size());
    for (int i = 0; i < n; ++i) {
        const QPointF before = i > 0 ? leftNormal(line[i - 1], line[i]) : QPointF();
        const QPointF after = i + 1 < n ? leftNormal(line[i], line[i + 1]) : QPointF();
        QPointF normal = i == 0 ? after : (i + 1 == n ? before : before + after);
        const double length = std::hypot(normal.x(), normal.y());
        normal /= length;
        // Stretch the corner so that both neighbouring segments keep their distance.
        const double cosHalf = QPointF::dotProduct(normal, i + 1 < n ? after : before);
        result << line[i] + normal * (distance / cosHalf);
    }
    return result;
}

void blurAlpha(QImage& image, int radius)
{
    if (radius <= 0)
        return;
    const int w = image.width(), h = image.height();
    std::vector<int> plane(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            plane[y * w + x] = qAlpha(line[x]);
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(plane, w, h, radius, true);
        boxPass(plane, w, h, radius, false);
    }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgba(0, 0, 0, plane[y * w + x]);
    }
}

void softShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, double blur,
                double opacity, int scale)
{
    const QRectF area =
        shape.boundingRect().translated(offset).adjusted(-3 * blur, -3 * blur, 3 * blur, 3 * blur);
    const QRect device = QRectF(area.topLeft() * scale, area.size() * scale).toAlignedRect();
    QImage mask(device.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        m.translate(-device.topLeft());
        m.scale(scale, scale);
        m.translate(offset);
        m.fillPath(shape, QColor(0, 0, 0, qRound(255 * opacity)));
    }
    blurAlpha(mask, std::max(1, int(std::lround(blur * scale / 1.7))));
    painter.save();
    painter.resetTransform();
    painter.drawImage(device.topLeft(), mask);
    painter.restore();
}

QPainterPath textPath(const QFont& font, double pixelSize, const QString& text, QPointF baseline)
{
    QFont f(font);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize * 64))));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    QPainterPath path;
    path.addText(QPointF(0, 0), f, text);
    // The font was asked for at 64 times the size, so that the outline is not fitted to a small
    // pixel grid; shrink it back.
    QTransform t;
    t.translate(baseline.x(), baseline.y());
    t.scale(1.0 / 64, 1.0 / 64);
    return t.map(path);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace drawing
