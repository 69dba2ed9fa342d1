// SPDX-License-Identifier: MIT
#include "strip.h"

#include "artwork.h"
#include "shading.h"

#include <array>
#include <cmath>

namespace
{

constexpr int interiorWidth = 52;  // columns 1..52 of a cell
constexpr int interiorHeight = 11; // rows 1..11 of a cell

// One colour channel of a cell: its edge and centre values and how sharply the body's
// brightness is concentrated in the middle.
struct Channel {
    double edge;
    double centre;
    double sharpness;
};

double channelAt(const Channel& c, double x, bool rimColumn, bool highlightRow)
{
    double v = shading::channel(c.edge, c.centre, c.sharpness, x);
    if (rimColumn)
        v = shading::rim(v);
    if (highlightRow)
        v = shading::highlight(v);
    return v;
}

// Average over the 1x interior of a cell, computed on the rounded pixel values.
double interiorMean(const Channel& c)
{
    int sum = 0;
    for (int x = 1; x <= interiorWidth; ++x) {
        const bool rim = x == 1 || x == interiorWidth;
        sum += (interiorHeight - 2) * shading::toByte(channelAt(c, x, rim, false));
        sum += 2 * shading::toByte(channelAt(c, x, rim, true));
    }
    return double(sum) / (interiorWidth * interiorHeight);
}

// Chooses the sharpness that gives the channel the wanted interior average: a wide bright
// middle for cells that are light on average, a narrow gleam for cells that are mostly dark.
Channel fitChannel(int edge, int centre, int mean)
{
    constexpr int steps = 2000;
    const double lo = std::log(0.05), hi = std::log(40.0);
    Channel best{double(edge), double(centre), 1.0};
    double bestError = 1e9;
    for (int i = 0; i <= steps; ++i) {
        Channel c{double(edge), double(centre), std::exp(lo + (hi - lo) * i / steps)};
        const double error = std::abs(interiorMean(c) - mean);
        if (error < bestError) {
            bestError = error;
            best = c;
        }
    }
    return best;
}

} // namespace

QImage renderStrip(int scale)
{
    const int cellHeight = artwork::stripCellHeight * scale;
    QImage image(artwork::stripSize * scale, QImage::Format_RGB32);
    image.fill(Qt::black);

    for (int code = 0; code < artwork::stripCellCount; ++code) {
        const artwork::StripCellColours& cell = artwork::stripCellColours[code];
        const std::array<Channel, 3> channels{
            fitChannel(qRed(cell.edge), qRed(cell.centre), qRed(cell.mean)),
            fitChannel(qGreen(cell.edge), qGreen(cell.centre), qGreen(cell.mean)),
            fitChannel(qBlue(cell.edge), qBlue(cell.centre), qBlue(cell.mean)),
        };
        const int top = artwork::stripCellTop(code) * scale;
        for (int y = 0; y < cellHeight; ++y) {
            const int row = y / scale; // row of the cell at 1x
            if (row == 0 || row == artwork::stripCellHeight - 1)
                continue; // outline
            const bool highlightRow = row == 1 || row == interiorHeight;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(top + y));
            for (int x = 0; x < image.width(); ++x) {
                const int column = x / scale;
                if (column == 0 || column == interiorWidth + 1)
                    continue; // outline
                const bool rim = column == 1 || column == interiorWidth;
                const double at = (x + 0.5) / scale - 0.5;
                int rgb[3];
                for (int c = 0; c < 3; ++c)
                    rgb[c] = shading::toByte(channelAt(channels[c], at, rim, highlightRow));
                line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
            }
        }
    }
    return image;
}
