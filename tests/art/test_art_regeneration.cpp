// SPDX-License-Identifier: MIT
// Runs the generator into an empty folder and compares what it draws with the committed
// pictures: a change to the drawing code must come with regenerated pictures.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

class TestArtRegeneration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAsCommitted_data();
    void sameAsCommitted();

private:
    QTemporaryDir out_;
};

void TestArtRegeneration::initTestCase()
{
    QVERIFY(out_.isValid());
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    generator.start(QStringLiteral(ART_GENERATOR), {out_.path()});
    QVERIFY2(generator.waitForFinished(60000), qPrintable(generator.errorString()));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);
}

void TestArtRegeneration::sameAsCommitted_data()
{
    // The strip is computed pixel by pixel and must come out exactly the same. The other
    // pictures go through QPainter, whose blending code Qt picks by the processor's instruction
    // set; a rounding step of a few levels is allowed there, a changed drawing is not.
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("strip.png") << QStringLiteral("strip.png") << 0;
    QTest::newRow("strip@2x.png") << QStringLiteral("strip@2x.png") << 0;
    for (const char* name : {"background.png", "background@2x.png", "splash.png", "splash@2x.png",
                             "icon.png", "icon@2x.png"})
        QTest::newRow(name) << QString::fromLatin1(name) << 4;
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("hicolor %d", size)
            << QStringLiteral("hicolor/%1x%1/apps/resistor.png").arg(size) << 4;
}

namespace
{

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// How far a glyph's edge may move from one FreeType to another, in pixels, and how far beyond
// what its neighbours span an edge pixel of the smallest text may still come out.
constexpr int kReach = 2;
constexpr int kEdgeTolerance = 8;

// Whether every channel of `pixel` lies within the range that channel takes in the
// neighbourhood of (x, y) in `picture` that reaches kReach pixels every way, give or take the
// edge tolerance.
bool withinNeighbourhood(QRgb pixel, const QImage& picture, int x, int y)
{
    int low[4] = {255, 255, 255, 255}, high[4] = {0, 0, 0, 0};
    for (int ny = std::max(0, y - kReach); ny <= std::min(picture.height() - 1, y + kReach); ++ny)
        for (int nx = std::max(0, x - kReach); nx <= std::min(picture.width() - 1, x + kReach);
             ++nx) {
            const QRgb p = picture.pixel(nx, ny);
            const int channels[4] = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
            for (int c = 0; c < 4; ++c) {
                low[c] = std::min(low[c], channels[c]);
                high[c] = std::max(high[c], channels[c]);
            }
        }
    const int channels[4] = {qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel)};
    for (int c = 0; c < 4; ++c)
        if (channels[c] < low[c] - kEdgeTolerance || channels[c] > high[c] + kEdgeTolerance)
            return false;
    return true;
}

// A difference that a different anti-aliasing of an edge explains: each picture's pixel could
// have come from the other's neighbourhood. A new, recoloured or missing stroke or spot, or one
// moved further than kReach, is not explained from both sides.
bool edgeDifference(const QImage& drawn, const QImage& kept, int x, int y)
{
    return withinNeighbourhood(drawn.pixel(x, y), kept, x, y) &&
           withinNeighbourhood(kept.pixel(x, y), drawn, x, y);
}

} // namespace

void TestArtRegeneration::sameAsCommitted()
{
    QFETCH(QString, file);
    QFETCH(int, tolerance);
    const QImage drawnFile(QDir(out_.path()).filePath(file));
    const QImage keptFile(QStringLiteral(ART_SOURCE_DIR "/") + file);
    QVERIFY2(!drawnFile.isNull(), "not drawn");
    QVERIFY2(!keptFile.isNull(), "not committed");
    const QImage drawn = drawnFile.convertToFormat(QImage::Format_ARGB32);
    const QImage kept = keptFile.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(drawn.size(), kept.size());

    // Pictures made by the same Qt on the same system must match pixel for pixel (within the
    // tolerance). Where QPainter drew them elsewhere, glyph edges and anti-aliasing may differ: a
    // pixel may then differ as an edge drawn differently does, and at most 1 % of the pixels
    // may need that.
    const QString madeWith = keptFile.text(QStringLiteral("Software"));
    const QString drawnWith = drawnFile.text(QStringLiteral("Software"));
    const bool edgesMayDiffer = madeWith != drawnWith && tolerance > 0;
    if (edgesMayDiffer)
        qInfo("committed picture made by \"%s\", this one by \"%s\": anti-aliasing "
              "differences allowed",
              qPrintable(madeWith), qPrintable(drawnWith));

    int differing = 0, antiAliasing = 0, exceeding = 0, worst = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = kept.pixel(x, y);
            if (a == b)
                continue;
            ++differing;
            const int d = channelDistance(a, b);
            worst = std::max(worst, d);
            if (d <= tolerance)
                continue;
            if (edgesMayDiffer && edgeDifference(drawn, kept, x, y)) {
                ++antiAliasing;
                continue;
            }
            if (exceeding++ == 0)
                first = QPoint(x, y);
        }
    if (differing > 0)
        qInfo("%d pixels differ, by at most %d; %d of them as anti-aliasing", differing, worst,
              antiAliasing);
    const QString advice = QStringLiteral("run the regenerate_art target and commit the result");
    QVERIFY2(
        exceeding == 0,
        qPrintable(QStringLiteral("%1 pixels differ by more than %2, the first at (%3, %4); %5")
                       .arg(exceeding)
                       .arg(tolerance)
                       .arg(first.x())
                       .arg(first.y())
                       .arg(advice)));
    QVERIFY2(antiAliasing * 100 <= kept.width() * kept.height(),
             qPrintable(QStringLiteral("%1 of %2 pixels differ along edges; %3")
                            .arg(antiAliasing)
                            .arg(kept.width() * kept.height())
                            .arg(advice)));
}

QTEST_GUILESS_MAIN(TestArtRegeneration)
#include "test_art_regeneration.moc"
