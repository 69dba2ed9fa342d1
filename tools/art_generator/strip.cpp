// SPDX-License-Identifier: MIT
#include "strip.h"

#include "artwork.h"
#include "shading.h"

#include <array>
#include <cmath>

namespace
{

// What each cell must look like: the colour of its brightest column (column 26 of the middle
// row), of its shaded flank (column 2) and its average over the whole interior.
struct CellColours {
    int code;
    QRgb centre;
    QRgb edge;
    QRgb mean;
};

constexpr std::array<CellColours, artwork::stripCellCount> cellColours{{
    {0, 0x3B3B3B, 0x131313, 0x2A2A2A},  // black
    {1, 0x6C3C3C, 0x441414, 0x5B2929},  // brown
    {2, 0xFC0000, 0x790B0B, 0xC90505},  // red
    {3, 0xFC9C0C, 0xA61313, 0xDE6F0F},  // orange
    {4, 0xFCFC0C, 0xD2A736, 0xEEDE21},  // yellow
    {5, 0x6CFC3C, 0x40A410, 0x60DD2A},  // green
    {6, 0x0CFCFC, 0x374EA5, 0x20B5DD},  // blue
    {7, 0xCC6CCC, 0xA1174B, 0xC74B9D},  // violet
    {8, 0x9C9C9C, 0x171717, 0x656565},  // grey
    {9, 0xFCFCFC, 0xA4A4A4, 0xDEDEDE},  // white
    {10, 0xC4C4C4, 0x4B4B4B, 0x989898}, // silver
    {11, 0xFCFC0C, 0xD5790D, 0xEDC70C}, // gold
}};

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

    for (const CellColours& cell : cellColours) {
        const std::array<Channel, 3> channels{
            fitChannel(qRed(cell.edge), qRed(cell.centre), qRed(cell.mean)),
            fitChannel(qGreen(cell.edge), qGreen(cell.centre), qGreen(cell.mean)),
            fitChannel(qBlue(cell.edge), qBlue(cell.centre), qBlue(cell.mean)),
        };
        const int top = artwork::stripCellTop(cell.code) * scale;
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
