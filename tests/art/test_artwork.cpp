// SPDX-License-Identifier: MIT
// The built-in pictures as committed: the colour strip's cells, the resistor body under the band
// frames, the legibility of the white value labels on the background, the icon's transparency
// and the Windows icon file, the splash lettering, and the resources that carry them.
#include "artwork.h"
#include "colour_contrast.h"
#include "frm_general_layout.h"

#include <QFile>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace
{

QImage committed(const QString& name)
{
    QImage image(QStringLiteral(ART_SOURCE_DIR "/") + name);
    return image.convertToFormat(QImage::Format_ARGB32);
}

int worstChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

// Mean colour of a rectangle, each channel rounded.
QRgb meanColour(const QImage& image, const QRect& area)
{
    double r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    const double n = double(area.width()) * area.height();
    return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
}

bool isBlack(QRgb c)
{
    return (c & 0xFFFFFF) == 0;
}

// Data rows "1x" and "2x" for a picture and its double-resolution rendering.
void addScales(const QString& base)
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << base + QStringLiteral(".png") << 1;
    QTest::newRow("2x") << base + QStringLiteral("@2x.png") << 2;
}

quint16 read16(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}
quint32 read32(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void stripCellColours_data();
    void stripCellColours();
    void stripCellShading_data();
    void stripCellShading();
    void stripOutline_data();
    void stripOutline();
    void strip2xMatches1x_data();
    void strip2xMatches1x();

    void resistorBodyUnderBands_data();
    void resistorBodyUnderBands();
    void whiteLabelsReadable_data();
    void whiteLabelsReadable();

    void iconTransparency_data();
    void iconTransparency();
    void windowsIconFile();

    void splashLettering_data();
    void splashLettering();
    void splashBorder_data();
    void splashBorder();

    void resources_data();
    void resources();
};

// --- Colour strip ------------------------------------------------------------------------

void TestArtwork::stripCellColours_data()
{
    QTest::addColumn<int>("code");
    for (int code = artwork::stripCellCount - 1; code >= 0; --code)
        QTest::addRow("code %d", code) << code;
}

void TestArtwork::stripCellColours()
{
    QFETCH(int, code);
    const auto [centre, edge, mean] = artwork::stripCellColours[static_cast<std::size_t>(code)];
    const QImage strip = committed(QStringLiteral("strip.png"));
    QCOMPARE(strip.size(), artwork::stripSize);

    const int top = artwork::stripCellTop(code);
    const int middle = top + artwork::stripCellHeight / 2;
    const QRgb seenCentre = strip.pixel(26, middle);
    const QRgb seenEdge = strip.pixel(2, middle);
    const QRgb seenMean = meanColour(strip, QRect(1, top + 1, 52, 11));
    QVERIFY2(worstChannelDifference(seenCentre, centre) <= 6,
             qPrintable(QStringLiteral("centre %1, want %2").arg(hex(seenCentre), hex(centre))));
    QVERIFY2(worstChannelDifference(seenEdge, edge) <= 6,
             qPrintable(QStringLiteral("edge %1, want %2").arg(hex(seenEdge), hex(edge))));
    QVERIFY2(worstChannelDifference(seenMean, mean) <= 6,
             qPrintable(QStringLiteral("mean %1, want %2").arg(hex(seenMean), hex(mean))));
}

void TestArtwork::stripCellShading_data()
{
    QTest::addColumn<int>("code");
    for (int code = 0; code < artwork::stripCellCount; ++code)
        QTest::addRow("code %d", code) << code;
}

// Each cell looks like a slice of a round body: darkest at the sides, brightest a little left of
// the middle, with lighter top and bottom rows.
void TestArtwork::stripCellShading()
{
    QFETCH(int, code);
    const QImage strip = committed(QStringLiteral("strip.png"));
    const int top = artwork::stripCellTop(code);
    const int middle = top + artwork::stripCellHeight / 2;

    auto brightness = [&](int x, int y) { return relativeLuminance(strip.pixel(x, y)); };
    double peak = 0;
    for (int x = 20; x <= 27; ++x)
        peak = std::max(peak, brightness(x, middle));
    for (int x = 1; x <= 52; ++x)
        if (x < 20 || x > 27)
            QVERIFY2(brightness(x, middle) < peak, qPrintable(QString::number(x)));
    for (int x = 2; x <= 51; ++x) {
        QVERIFY2(brightness(1, middle) <= brightness(x, middle), qPrintable(QString::number(x)));
        QVERIFY2(brightness(52, middle) <= brightness(x, middle), qPrintable(QString::number(x)));
    }
    for (int x = 1; x <= 52; ++x) {
        QVERIFY2(brightness(x, top + 1) >= brightness(x, top + 2), qPrintable(QString::number(x)));
        QVERIFY2(brightness(x, top + 11) >= brightness(x, top + 10),
                 qPrintable(QString::number(x)));
    }
    QVERIFY(brightness(2, top + 1) > brightness(2, middle));
}

void TestArtwork::stripOutline_data()
{
    addScales(QStringLiteral("strip"));
}

// Every cell has a pure black outline of one 1x pixel, `scale` device pixels thick on all four
// sides, and nothing black just inside it.
void TestArtwork::stripOutline()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    const QImage strip = committed(file);
    QCOMPARE(strip.size(), artwork::stripSize * scale);
    const int cell = artwork::stripCellHeight * scale;
    const int w = strip.width();
    for (int code = 0; code < artwork::stripCellCount; ++code) {
        const int top = artwork::stripCellTop(code) * scale;
        for (int t = 0; t < scale; ++t) {
            for (int x = 0; x < w; ++x) {
                QVERIFY2(
                    isBlack(strip.pixel(x, top + t)),
                    qPrintable(QStringLiteral("code %1 top row %2, x %3").arg(code).arg(t).arg(x)));
                QVERIFY2(
                    isBlack(strip.pixel(x, top + cell - 1 - t)),
                    qPrintable(
                        QStringLiteral("code %1 bottom row %2, x %3").arg(code).arg(t).arg(x)));
            }
            for (int y = top; y < top + cell; ++y) {
                QVERIFY2(isBlack(strip.pixel(t, y)),
                         qPrintable(QStringLiteral("left, y %1").arg(y)));
                QVERIFY2(isBlack(strip.pixel(w - 1 - t, y)),
                         qPrintable(QStringLiteral("right, y %1").arg(y)));
            }
        }
        for (int x = scale; x < w - scale; ++x) {
            QVERIFY(!isBlack(strip.pixel(x, top + scale)));
            QVERIFY(!isBlack(strip.pixel(x, top + cell - 1 - scale)));
        }
        QVERIFY(!isBlack(strip.pixel(scale, top + cell / 2)));
        QVERIFY(!isBlack(strip.pixel(w - 1 - scale, top + cell / 2)));
    }
}

void TestArtwork::strip2xMatches1x_data()
{
    stripCellShading_data();
}

// The 2x strip is the same drawing: each 1x pixel's colour is that of its 2 x 2 block.
void TestArtwork::strip2xMatches1x()
{
    QFETCH(int, code);
    const QImage strip = committed(QStringLiteral("strip.png"));
    const QImage strip2x = committed(QStringLiteral("strip@2x.png"));
    const int middle = artwork::stripCellTop(code) + artwork::stripCellHeight / 2;
    for (int x : {26, 2, 40}) {
        const QRgb one = strip.pixel(x, middle);
        const QRgb two = meanColour(strip2x, QRect(2 * x, 2 * middle, 2, 2));
        QVERIFY2(
            worstChannelDifference(one, two) <= 6,
            qPrintable(QStringLiteral("column %1: 1x %2, 2x %3").arg(x).arg(hex(one), hex(two))));
    }
}

// --- Background ----------------------------------------------------------------------------

void TestArtwork::resistorBodyUnderBands_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("bandTop");
    for (int scale : {1, 2})
        for (int band = 1; band <= 4; ++band)
            QTest::addRow("%dx band %d", scale, band)
                << (scale == 1 ? QStringLiteral("background.png")
                               : QStringLiteral("background@2x.png"))
                << scale << pixelsFromTwips(FrmGeneralLayout::kPicLineTops[band]);
}

// Under each band frame (13 rows) the body's outline columns are pure black and exactly one 1x
// pixel wide, and the body between them is green: the strip's black side columns land on the
// outline, as the body lies exactly under the frames' strips.
void TestArtwork::resistorBodyUnderBands()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    QFETCH(int, bandTop);
    const QImage background = committed(file);
    QCOMPARE(background.size(), artwork::backgroundSize * scale);
    const int left = artwork::resistorBody.left(), right = artwork::resistorBody.right();
    QCOMPARE(left, pixelsFromTwips(FrmGeneralLayout::kPicLineLeft));
    QCOMPARE(right, left + artwork::stripSize.width() - 1);

    // One row above and below the frame too, where the body shows between the bands.
    for (int y = (bandTop - 1) * scale; y < (bandTop + 14) * scale; ++y) {
        for (int column : {left, right})
            for (int t = 0; t < scale; ++t)
                QVERIFY2(isBlack(background.pixel(column * scale + t, y)),
                         qPrintable(QStringLiteral("x %1, y %2").arg(column * scale + t).arg(y)));
        QVERIFY(!isBlack(background.pixel(left * scale - 1, y)));
        QVERIFY(!isBlack(background.pixel((right + 1) * scale, y)));
        for (int x = (left + 1) * scale; x < right * scale; ++x) {
            const QRgb c = background.pixel(x, y);
            QVERIFY2(qGreen(c) > qRed(c) && qGreen(c) > qBlue(c),
                     qPrintable(QStringLiteral("x %1, y %2: %3").arg(x).arg(y).arg(hex(c))));
        }
    }
}

void TestArtwork::whiteLabelsReadable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QRect>("label");
    const QRect value = pixelRect(FrmGeneralLayout::kLblResistor);
    const QRect unit = pixelRect(FrmGeneralLayout::kLblLimit);
    QTest::newRow("1x value label") << QStringLiteral("background.png") << 1 << value;
    QTest::newRow("1x unit label") << QStringLiteral("background.png") << 1 << unit;
    QTest::newRow("2x value label") << QStringLiteral("background@2x.png") << 2 << value;
    QTest::newRow("2x unit label") << QStringLiteral("background@2x.png") << 2 << unit;
}

// The value labels write white bold text straight onto the background: behind each of them the
// picture must be dark enough for a contrast of at least 4.5:1.
void TestArtwork::whiteLabelsReadable()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    QFETCH(QRect, label);
    const QImage background = committed(file);
    const QRect area(label.topLeft() * scale, label.size() * scale);
    const QRgb mean = meanColour(background, area);
    const double ratio = contrastRatio(qRgb(255, 255, 255), mean);
    qInfo("%s: mean colour %s, luminance %.4f, contrast of white %.2f:1", QTest::currentDataTag(),
          qPrintable(hex(mean)), relativeLuminance(mean), ratio);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
}

// --- Icon ----------------------------------------------------------------------------------

void TestArtwork::iconTransparency_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    QTest::newRow("icon") << QStringLiteral("icon.png") << 32;
    QTest::newRow("icon@2x") << QStringLiteral("icon@2x.png") << 64;
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("hicolor %d", size)
            << QStringLiteral("hicolor/%1x%1/apps/resistor.png").arg(size) << size;
}

// The icon stands on a transparent ground: the corners are clear, and the drawing covers a fair
// part of the square without filling it.
void TestArtwork::iconTransparency()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    const QImage icon = committed(file);
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(size - 1, size - 1)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    int clear = 0, solid = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int alpha = qAlpha(icon.pixel(x, y));
            clear += alpha == 0;
            solid += alpha == 255;
        }
    const double area = double(size) * size;
    QVERIFY2(
        clear > 0.3 * area && solid > 0.15 * area,
        qPrintable(QStringLiteral("clear %1, solid %2 of %3").arg(clear).arg(solid).arg(area)));
}

// resistor.ico holds every hicolor size as a PNG entry whose directory record tells its true
// size and place, and whose pixels are those of the hicolor file.
void TestArtwork::windowsIconFile()
{
    QFile file(QStringLiteral(ART_SOURCE_DIR "/resistor.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(data.size() > 6);
    QCOMPARE(read16(data, 0), quint16(0));
    QCOMPARE(read16(data, 2), quint16(1));
    const int count = read16(data, 4);
    QCOMPARE(count, 6);
    QList<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int record = 6 + 16 * i;
        QVERIFY(record + 16 <= data.size());
        const int width = quint8(data[record]) == 0 ? 256 : quint8(data[record]);
        const int height = quint8(data[record + 1]) == 0 ? 256 : quint8(data[record + 1]);
        QCOMPARE(width, height);
        QCOMPARE(read16(data, record + 6), quint16(32));
        const quint32 length = read32(data, record + 8), offset = read32(data, record + 12);
        QVERIFY(quint64(offset) + length <= quint64(data.size()));
        const QImage entry = QImage::fromData(data.mid(int(offset), int(length)), "PNG");
        QCOMPARE(entry.size(), QSize(width, height));
        QCOMPARE(entry.convertToFormat(QImage::Format_ARGB32),
                 committed(QStringLiteral("hicolor/%1x%1/apps/resistor.png").arg(width)));
        sizes << width;
    }
    QCOMPARE(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
}

// --- Splash --------------------------------------------------------------------------------

void TestArtwork::splashLettering_data()
{
    addScales(QStringLiteral("splash"));
}

// The name's letters fill rows 34 to 65; the platform line's capitals start on row 74 and its
// right end lines up with the name's.
void TestArtwork::splashLettering()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    const QImage splash = committed(file);
    QCOMPARE(splash.size(), artwork::splashSize * scale);

    // Rows and columns holding ink between two rows, inside the border.
    auto inkBox = [&](int fromRow, int toRow) {
        QRect box;
        for (int y = fromRow * scale; y < toRow * scale; ++y)
            for (int x = 4 * scale; x < splash.width() - 4 * scale; ++x)
                if (relativeLuminance(splash.pixel(x, y)) < 0.2)
                    box |= QRect(x, y, 1, 1);
        return QRectF(box.x() / double(scale), box.y() / double(scale), box.width() / double(scale),
                      box.height() / double(scale));
    };
    const QRectF name = inkBox(10, 71);
    QVERIFY2(std::abs(name.top() - 34) <= 1 && std::abs(name.bottom() - 66) <= 1,
             qPrintable(QStringLiteral("name rows %1..%2").arg(name.top()).arg(name.bottom())));
    QVERIFY(name.width() > 120);
    const QRectF line = inkBox(71, 90);
    QVERIFY2(std::abs(line.top() - 74) <= 1,
             qPrintable(QStringLiteral("platform line from row %1").arg(line.top())));
    QVERIFY2(std::abs(line.right() - name.right()) <= 1,
             qPrintable(QStringLiteral("right ends %1, %2").arg(line.right()).arg(name.right())));
}

void TestArtwork::splashBorder_data()
{
    addScales(QStringLiteral("splash"));
}

// A raised border: the outermost ring light on the top and left, black on the right and bottom,
// with dark grey inside the black.
void TestArtwork::splashBorder()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    const QImage splash = committed(file);
    const int w = splash.width(), h = splash.height();
    for (int t = 0; t < scale; ++t) {
        for (int x = 4 * scale; x < w - 4 * scale; x += 7) {
            QVERIFY(relativeLuminance(splash.pixel(x, t)) > 0.5);
            QVERIFY(isBlack(splash.pixel(x, h - 1 - t)));
            const double inner = relativeLuminance(splash.pixel(x, h - 1 - scale - t));
            QVERIFY(inner > 0 && inner < 0.15);
        }
        for (int y = 4 * scale; y < h - 4 * scale; y += 7) {
            QVERIFY(relativeLuminance(splash.pixel(t, y)) > 0.5);
            QVERIFY(isBlack(splash.pixel(w - 1 - t, y)));
        }
    }
    QCOMPARE(splash.pixel(w / 2, 20 * scale), qRgb(255, 255, 255));
}

// --- Resources -----------------------------------------------------------------------------

void TestArtwork::resources_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << QString(artwork::background) << artwork::backgroundSize;
    QTest::newRow("strip") << QString(artwork::strip) << artwork::stripSize;
    QTest::newRow("icon") << QString(artwork::icon) << artwork::iconSize;
    QTest::newRow("splash") << QString(artwork::splash) << artwork::splashSize;
    QTest::newRow("background@2x") << QString(artwork::background2x) << artwork::backgroundSize * 2;
    QTest::newRow("strip@2x") << QString(artwork::strip2x) << artwork::stripSize * 2;
    QTest::newRow("icon@2x") << QString(artwork::icon2x) << artwork::iconSize * 2;
    QTest::newRow("splash@2x") << QString(artwork::splash2x) << artwork::splashSize * 2;
}

// The pictures are linked into the program and match the committed files.
void TestArtwork::resources()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage loaded = artwork::load(path.toLatin1().constData());
    QVERIFY2(!loaded.isNull(), qPrintable(path));
    QCOMPARE(loaded.size(), size);
    const QString file = path.mid(QStringLiteral(":/art/").size());
    QCOMPARE(loaded.convertToFormat(QImage::Format_ARGB32), committed(file));
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
