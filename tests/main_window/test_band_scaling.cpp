// SPDX-License-Identifier: MIT
// At the scale factor this test runs under (QT_SCALE_FACTOR), every band frame shows exactly
// one whole cell of the colour strip: each device row of the frame is a row of the band's cell,
// in order, from its top outline to its bottom outline, with no row of a neighbouring cell and
// no row of the cell left out.
#include "artwork.h"
#include "band_frame.h"
#include "frm_general.h"
#include "pictures.h"
#include "window_driver.h"

#include <QtTest>

#include <cmath>

class TestBandScaling : public QObject
{
    Q_OBJECT

private slots:
    void everyCodeShowsOneWholeCell_data();
    void everyCodeShowsOneWholeCell();
};

void TestBandScaling::everyCodeShowsOneWholeCell_data()
{
    QTest::addColumn<int>("code");
    for (int code = 0; code < 12; ++code)
        QTest::addRow("code %d", code) << code;
}

void TestBandScaling::everyCodeShowsOneWholeCell()
{
    QFETCH(int, code);
    FrmGeneral window;
    BandState state;
    state.setInitial();
    FrmGeneralTestAccess::state(window) = state;
    for (int band = 1; band <= 4; ++band) {
        window.picLineColor_Click(std::int16_t(band));
        window.swcColor_Click(std::int16_t(code));
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const qreal scale = window.devicePixelRatioF();
    // The strip as the window draws it at this scale, and the rows of the band's cell in it.
    const QImage strip = pictures::pixmap(artwork::strip, artwork::strip2x, scale).toImage();
    const qreal stripRatio = strip.devicePixelRatio();
    const int cellTop = qRound(artwork::stripCellTop(code) * stripRatio);
    const int cellRows = qRound(artwork::stripCellHeight * stripRatio);
    const int sampleColumns[] = {0, 1, 2, 10, 20, 26, 34, 45, 51, 52, 53};

    const auto matches = [&](const QImage& seen, int deviceRow, int cellRow) {
        for (int column : sampleColumns) {
            // The device pixel over the column's middle, and the strip pixel under its centre.
            const int deviceX = int((column + 0.5) * scale);
            const int sourceX = int((deviceX + 0.5) / scale * stripRatio);
            if (seen.pixelColor(deviceX, deviceRow).rgb() !=
                strip.pixelColor(sourceX, cellTop + cellRow).rgb())
                return false;
        }
        return true;
    };

    for (int band = 1; band <= 4; ++band) {
        auto* frame = control<BandFrame>(&window, QString("picLine_%1").arg(band));
        const QImage seen = frame->grab().toImage();
        const int deviceRows = seen.height();
        QVERIFY2(std::abs(deviceRows - 13 * scale) < 1, qPrintable(QString::number(deviceRows)));

        for (int y = 0; y < deviceRows; ++y) {
            // The row a nearest-pixel scaling shows here, give or take one.
            const int expected = int((y + 0.5) * cellRows / deviceRows);
            int found = -1;
            for (int r : {expected, expected - 1, expected + 1})
                if (r >= 0 && r < cellRows && matches(seen, y, r)) {
                    found = r;
                    break;
                }
            QVERIFY2(found >= 0,
                     qPrintable(
                         QString("band %1, device row %2 is no row of the cell").arg(band).arg(y)));
        }
        QVERIFY2(matches(seen, 0, 0) && matches(seen, deviceRows - 1, cellRows - 1),
                 qPrintable(
                     QString("band %1 does not begin and end with the cell's outline").arg(band)));
        if (scale == 2) {
            // Drawn from the rendering made for this density: the outline is two device
            // pixels of black on every side, not a blurred grey.
            const int width = 54 * 2;
            for (int x = 0; x < width; ++x)
                for (int y : {0, 1, deviceRows - 2, deviceRows - 1})
                    QVERIFY2(seen.pixelColor(x, y) == QColor(Qt::black),
                             qPrintable(QString("band %1 (%2, %3)").arg(band).arg(x).arg(y)));
            for (int y = 0; y < deviceRows; ++y)
                for (int x : {0, 1, width - 2, width - 1})
                    QVERIFY2(seen.pixelColor(x, y) == QColor(Qt::black),
                             qPrintable(QString("band %1 (%2, %3)").arg(band).arg(x).arg(y)));
        }
        // Every row of the cell shows (or one that looks the same, in a run of equal rows).
        if (deviceRows >= cellRows)
            for (int r = 0; r < cellRows; ++r)
                QVERIFY2(
                    [&] {
                        for (int y = 0; y < deviceRows; ++y)
                            if (matches(seen, y, r))
                                return true;
                        return false;
                    }(),
                    qPrintable(QString("band %1 leaves out row %2 of the cell").arg(band).arg(r)));
    }
}

QTEST_MAIN(TestBandScaling)
#include "test_band_scaling.moc"
