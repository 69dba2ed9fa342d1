// SPDX-License-Identifier: MIT
// The main window as created, before it is loaded: controls, places, captions, fonts, frame,
// tab order; and the band frames showing the strip cell of each code.
#include "artwork.h"
#include "band_frame.h"
#include "colour_code.h"
#include "colour_contrast.h"
#include "fonts.h"
#include "frm_general.h"
#include "frm_general_layout.h"
#include "window_driver.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestFrmGeneralLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void captions_data();
    void captions();
    void labelFonts_data();
    void labelFonts();
    void fixedDialogFrame();
    void colourButtonsFormOneGroup();
    void tabOrderAndInitialFocus();
    void bandsBeforeLoadShowGold();
    void stripTopAndCellForEveryCode_data();
    void stripTopAndCellForEveryCode();
    void rightColumnIsFrameAndDoesNothing();
    void bandLabelIsReadable();
    void valueTextsAlwaysFit();

private:
    FrmGeneral window;
};

void TestFrmGeneralLayout::initTestCase()
{
    // The window registers its built-in fonts only before it first lays out text; the fonts of
    // the window as created are looked at here before that.
    fonts::registerBuiltIn();
}

// Twips round to the nearest pixel, 15 to a pixel.
static_assert(pixelsFromTwips(0) == 0 && pixelsFromTwips(7) == 0 && pixelsFromTwips(8) == 1 &&
              pixelsFromTwips(22) == 1 && pixelsFromTwips(23) == 2 && pixelsFromTwips(490) == 33 &&
              pixelsFromTwips(7575) == 505);

// Every control where the design table puts it, converted to pixels, in the right container.
void TestFrmGeneralLayout::geometry_data()
{
    using namespace FrmGeneralLayout;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");

    const auto row = [](const QString& name, const QString& parent, QRect rect) {
        QTest::newRow(qPrintable(name)) << name << parent << rect;
    };
    for (const UnitButton& button : kBtnLimit)
        row(QString("btnLimit_%1").arg(button.unit.index), "FrmGeneral",
            pixelRect({button.left, kButtonTop, kButtonWidth, kButtonHeight}));
    row("BtnExit", "FrmGeneral", pixelRect(kBtnExit));
    row("Picture1", "FrmGeneral", pixelRect(kPicture1));
    // Children of the panel sit inside its border.
    const QPoint inside(kPicture1BorderPixels, kPicture1BorderPixels);
    row("lblLine", "Picture1", pixelRect(kLblLine).translated(inside));
    for (int code = 0; code < kColourCount; ++code)
        row(QString("swcColor_%1").arg(code), "Picture1",
            pixelRect({kSwcColorLeft, kSwcColorTops[static_cast<std::size_t>(code)], kSwcColorWidth,
                       kSwcColorHeight})
                .translated(inside));
    for (int band = 1; band <= kBandCount; ++band) {
        row(QString("picLine_%1").arg(band), "FrmGeneral",
            pixelRect({kPicLineLeft, kPicLineTops[static_cast<std::size_t>(band)], kPicLineWidth,
                       kPicLineHeight}));
        row(QString("picLineColor_%1").arg(band), QString("picLine_%1").arg(band),
            QRect(QPoint(0, 0), artwork::stripSize));
    }
    row("lblResistor", "FrmGeneral", pixelRect(kLblResistor));
    row("lblLimit", "FrmGeneral", pixelRect(kLblLimit));
}

void TestFrmGeneralLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    const QWidget* widget = control<QWidget>(&window, name);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), rect);
    QVERIFY(widget->isEnabled());
}

void TestFrmGeneralLayout::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("btnLimit_0") << "btnLimit_0"
                                << "Om";
    QTest::newRow("btnLimit_3") << "btnLimit_3"
                                << "kOm";
    QTest::newRow("btnLimit_6") << "btnLimit_6"
                                << "mOm";
    QTest::newRow("BtnExit") << "BtnExit"
                             << "Выход";
    QTest::newRow("lblLine") << "lblLine"
                             << "Метка 0";
    QTest::newRow("lblResistor") << "lblResistor"
                                 << "999999999";
    QTest::newRow("lblLimit") << "lblLimit"
                              << "Om,kOm,mOm";
    // The names themselves are the model's, checked in its own test.
    for (int code = 0; code < kColourCount; ++code)
        QTest::addRow("swcColor_%d", code)
            << QString("swcColor_%1").arg(code) << QString::fromUtf8(colourCode(code).name);
}

void TestFrmGeneralLayout::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget* widget = control<QWidget>(&window, name);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    else
        QCOMPARE(qobject_cast<QAbstractButton*>(widget)->text(), caption);
    QCOMPARE(window.windowTitle(),
             QString(" Программа расшифровки цветовой маркеровки резисторов"));
}

void TestFrmGeneralLayout::labelFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<int>("pixelSize"); // at 96 dpi
    QTest::newRow("lblLine") << "lblLine" << 12.0 << 16;
    QTest::newRow("lblLimit") << "lblLimit" << 24.0 << 32;
    QTest::newRow("lblResistor") << "lblResistor" << 27.75 << 37;
}

void TestFrmGeneralLayout::labelFonts()
{
    QFETCH(QString, name);
    QFETCH(qreal, pointSize);
    QFETCH(int, pixelSize);
    const QLabel* label = control<QLabel>(&window, name);
    const QFontInfo resolved(label->font());
    QVERIFY2(resolved.family() == "Arial" || resolved.family() == "Liberation Sans",
             qPrintable(resolved.family()));
    QVERIFY(resolved.bold());
    QVERIFY(!resolved.italic());
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(resolved.pixelSize(), pixelSize);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestFrmGeneralLayout::fixedDialogFrame()
{
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.minimumSize(), QSize(505, 274));
    QCOMPARE(window.maximumSize(), QSize(505, 274));
    // The program's own icon, not just any picture.
    QCOMPARE(window.windowIcon()
                 .pixmap(artwork::iconSize)
                 .toImage()
                 .convertToFormat(QImage::Format_ARGB32),
             artwork::load(artwork::icon).convertToFormat(QImage::Format_ARGB32));
    const auto* panel = control<QFrame>(&window, "Picture1");
    QCOMPARE(panel->frameShadow(), QFrame::Sunken);
    QCOMPARE(panel->frameWidth(), 2);
}

void TestFrmGeneralLayout::colourButtonsFormOneGroup()
{
    auto* first = control<QRadioButton>(&window, "swcColor_0");
    QVERIFY(first->isChecked());
    control<QRadioButton>(&window, "swcColor_11")->setChecked(true);
    QVERIFY(!first->isChecked());
    first->setChecked(true);
    for (int code = 1; code < 12; ++code)
        QVERIFY(!control<QRadioButton>(&window, QString("swcColor_%1").arg(code))->isChecked());
}

void TestFrmGeneralLayout::tabOrderAndInitialFocus()
{
    // One stop per band, at its picture; the colour list is one stop, at the checked colour
    // (black at design time); the frames, the panel and the labels take no focus.
    QStringList expected;
    for (int band = 1; band <= 4; ++band)
        expected << QString("picLineColor_%1").arg(band);
    expected << "swcColor_0"
             << "BtnExit"
             << "btnLimit_0"
             << "btnLimit_3"
             << "btnLimit_6";

    QWidget* first = control<QWidget>(&window, expected.first());
    QCOMPARE(window.focusWidget(), first);
    QStringList order;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(order, expected);
}

void TestFrmGeneralLayout::bandsBeforeLoadShowGold()
{
    FrmGeneral fresh;
    const QImage strip = artwork::load(artwork::strip);
    for (int band = 1; band <= 4; ++band) {
        auto* frame = control<BandFrame>(&fresh, QString("picLine_%1").arg(band));
        QCOMPARE(pictureTopInCells(frame->picture()), 0.0f);
        const QImage seen = frame->grab().toImage();
        const QString difference = firstDifference(
            seen.copy(0, 0, 54, 13), strip.copy(0, artwork::stripCellTop(11), 54, 13));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

void TestFrmGeneralLayout::stripTopAndCellForEveryCode_data()
{
    QTest::addColumn<int>("code");
    for (int code = 0; code < 12; ++code)
        QTest::addRow("code %d", code) << code;
}

void TestFrmGeneralLayout::stripTopAndCellForEveryCode()
{
    QFETCH(int, code);
    BandState state;
    state.setInitial();
    FrmGeneralTestAccess::state(window) = state;
    const QImage strip = artwork::load(artwork::strip);
    for (int band = 1; band <= 4; ++band) {
        window.picLineColor_Click(static_cast<std::int16_t>(band));
        window.swcColor_Click(static_cast<std::int16_t>(code));
        auto* frame = control<BandFrame>(&window, QString("picLine_%1").arg(band));
        QCOMPARE(pictureTopInCells(frame->picture()), float(code - 11));
        QCOMPARE(frame->picture()->y(), 13 * (code - 11));
        const QImage seen = frame->grab().toImage();
        QCOMPARE(seen.size(), QSize(55, 13));
        const QString difference = firstDifference(
            seen.copy(0, 0, 54, 13), strip.copy(0, artwork::stripCellTop(code), 54, 13));
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QString("band %1: %2").arg(band).arg(difference)));
    }
}

void TestFrmGeneralLayout::rightColumnIsFrameAndDoesNothing()
{
    FrmGeneral shown;
    BandState state;
    state.setInitial();
    FrmGeneralTestAccess::state(shown) = state;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    auto* frame = control<BandFrame>(&shown, "picLine_3");
    const QColor frameColour = frame->palette().color(QPalette::Button);
    const QImage seen = frame->grab().toImage();
    for (int y = 0; y < 13; ++y)
        QCOMPARE(seen.pixelColor(54, y), frameColour);

    clickThroughWindow(frame, QPoint(54, 6));
    QCOMPARE(shown.bandState().CurLine, std::int16_t(1));
    clickThroughWindow(frame, QPoint(53, 6));
    QCOMPARE(shown.bandState().CurLine, std::int16_t(3));
}

// White on the band label's own background reads at a contrast of at least 4.5:1.
void TestFrmGeneralLayout::bandLabelIsReadable()
{
    auto* label = control<QLabel>(&window, "lblLine");
    QVERIFY(label->autoFillBackground());
    const QImage seen = label->grab().toImage();
    const QColor background = seen.pixelColor(1, 1);
    QCOMPARE(background, label->palette().color(QPalette::Window));
    const double ratio = contrastRatio(qRgb(255, 255, 255), background.rgb());
    qInfo("band label: white on %s, contrast %.2f:1", qPrintable(background.name()), ratio);
    QVERIFY(ratio >= 4.5);
}

// Every reachable value text is wholly visible; those that fit at the design size keep it,
// the others get the largest size that fits.
void TestFrmGeneralLayout::valueTextsAlwaysFit()
{
    auto* label = control<QLabel>(&window, "lblResistor");
    const auto advance = [](const QFont& font, const QString& text) {
        return QFontMetricsF(font).horizontalAdvance(text);
    };
    int shrunk = 0;
    BandState state;
    state.setInitial();
    for (int first = 0; first <= 9; ++first)
        for (int multiplier = 0; multiplier <= 9; ++multiplier)
            for (int unit : {0, 3, 6}) {
                state.LineColor = {0, std::int16_t(first), 9, std::int16_t(multiplier), 11};
                state.CurLine = 1;
                FrmGeneralTestAccess::state(window) = state;
                window.btnLimit_Click(std::int16_t(unit)); // recomputes the texts
                const QString text = label->text();
                QFont design = label->font();
                design.setPointSizeF(27.75);
                if (advance(design, text) <= label->width()) {
                    QCOMPARE(label->font().pointSizeF(), 27.75);
                    continue;
                }
                ++shrunk;
                QVERIFY2(advance(label->font(), text) <= label->width(), qPrintable(text));
                QFont larger = label->font();
                larger.setPointSizeF(larger.pointSizeF() + 0.25);
                QVERIFY2(advance(larger, text) > label->width(), qPrintable(text));
            }
    QVERIFY2(shrunk > 0, "the widest texts, such as \" 99000000000\", must need a smaller size");
}

QTEST_MAIN(TestFrmGeneralLayout)
#include "test_frm_general_layout.moc"
