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

void TestArtRegeneration::sameAsCommitted()
{
    QFETCH(QString, file);
    QFETCH(int, tolerance);
    const QImage drawn =
        QImage(QDir(out_.path()).filePath(file)).convertToFormat(QImage::Format_ARGB32);
    const QImage kept =
        QImage(QStringLiteral(ART_SOURCE_DIR "/") + file).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!drawn.isNull(), "not drawn");
    QVERIFY2(!kept.isNull(), "not committed");
    QCOMPARE(drawn.size(), kept.size());
    int differing = 0, exceeding = 0, worst = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x) {
            const QRgb a = drawn.pixel(x, y), b = kept.pixel(x, y);
            if (a == b)
                continue;
            ++differing;
            const int d =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            worst = std::max(worst, d);
            if (d > tolerance && exceeding++ == 0)
                first = QPoint(x, y);
        }
    if (differing > 0)
        qInfo("%d pixels differ, by at most %d", differing, worst);
    QVERIFY2(exceeding == 0,
             qPrintable(QStringLiteral("%1 pixels differ by more than %2, the first at (%3, %4); "
                                       "run the regenerate_art target and commit the result")
                            .arg(exceeding)
                            .arg(tolerance)
                            .arg(first.x())
                            .arg(first.y())));
}

QTEST_GUILESS_MAIN(TestArtRegeneration)
#include "test_art_regeneration.moc"
