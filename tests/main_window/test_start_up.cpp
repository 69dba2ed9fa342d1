// SPDX-License-Identifier: MIT
// Start-up as the user sees it: the splash window comes first, and the main window, its band
// state and what it shows appear only after the splash has gone. Then what the finished window
// shows behind its controls: the value labels let the background picture through, the colour
// panel covers it with its own face.
#include "artwork.h"
#include "frm_general.h"
#include "pictures.h"
#include "window_driver.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{

// What the window shows that its start-up state decides.
struct Shown {
    QString band;             // lblLine
    QString value;            // lblResistor
    QString unitAndTolerance; // lblLimit
    QList<int> tops;          // band picture tops, bands 1..4
};

Shown shown(const FrmGeneral& window)
{
    Shown s;
    s.band = control<QLabel>(&window, "lblLine")->text();
    s.value = control<QLabel>(&window, "lblResistor")->text();
    s.unitAndTolerance = control<QLabel>(&window, "lblLimit")->text();
    for (int band = 1; band <= 4; ++band)
        s.tops << control<QWidget>(&window, QString("picLineColor_%1").arg(band))->y();
    return s;
}

QList<int> lineColours(const BandState& state)
{
    return QList<int>(state.LineColor.begin(), state.LineColor.end());
}

// Runs `look` once the splash window is shown (it runs a modal loop of its own), then clicks it.
void whenSplashShown(std::function<void()> look)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, look] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("FrmLogo") && w->isVisible()) {
                poll->deleteLater();
                look();
                QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(100, 100));
                return;
            }
        }
    });
    poll->start(5);
}

// Whether the program's fonts are registered: in this process, only it registers any.
bool fontsRegistered()
{
    return !QFontDatabase::applicationFontFamilies(0).isEmpty();
}

// Notes, as the splash window starts its first paint, whether the fonts were registered by then.
class SplashPaintWatcher : public QObject
{
public:
    bool painted = false;
    bool fontsRegisteredBefore = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted && event->type() == QEvent::Paint &&
            watched->objectName() == QLatin1String("FrmLogo")) {
            painted = true;
            fontsRegisteredBefore = fontsRegistered();
        }
        return false;
    }
};

std::unique_ptr<FrmGeneral> startedWindow()
{
    auto window = std::make_unique<FrmGeneral>();
    clickSplashWhenShown();
    window->loadAndShow();
    return window;
}

// The background picture at the window's scale, as the window draws it from its top-left corner.
QImage backgroundPicture()
{
    return pictures::pixmap(artwork::background, artwork::background2x, 1)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void stateAndDisplayOnlyAfterTheSplash();
    void valueLabelsLetTheBackgroundThrough_data();
    void valueLabelsLetTheBackgroundThrough();
    void colourPanelCoversTheBackground();
};

// Runs first: the fonts are registered once per process.
void TestStartUp::stateAndDisplayOnlyAfterTheSplash()
{
    SplashPaintWatcher splashPaint;
    qApp->installEventFilter(&splashPaint);
    FrmGeneral window;
    bool splashSeen = false;
    bool visibleDuringSplash = true;
    BandState stateDuringSplash;
    Shown shownDuringSplash;
    whenSplashShown([&] {
        QVERIFY(QTest::qWaitFor([&] { return splashPaint.painted; }));
        splashSeen = true;
        visibleDuringSplash = window.isVisible();
        stateDuringSplash = window.bandState();
        shownDuringSplash = shown(window);
    });
    window.loadAndShow();

    qApp->removeEventFilter(&splashPaint);
    QVERIFY(splashSeen);
    QVERIFY2(!visibleDuringSplash, "the main window was shown while the splash window was up");
    // Nothing the splash window shows waits for the main window's font set-up.
    QVERIFY2(!splashPaint.fontsRegisteredBefore, "the fonts were set up before the splash's paint");
    QVERIFY(fontsRegistered());
    QCOMPARE(lineColours(stateDuringSplash), (QList<int>{0, 0, 0, 0, 0}));
    QCOMPARE(stateDuringSplash.CurLine, std::int16_t(0));
    QCOMPARE(stateDuringSplash.LimitDivisor, std::int32_t(0));

    QVERIFY(window.isVisible());
    const BandState& state = window.bandState();
    QCOMPARE(lineColours(state).mid(1), (QList<int>{6, 2, 5, 11}));
    QCOMPARE(state.CurLine, std::int16_t(1));
    QCOMPARE(state.LimitDivisor, std::int32_t(1000));
    const Shown after = shown(window);
    QCOMPARE(after.value, QString(" 6200"));
    QCOMPARE(after.unitAndTolerance, QString("kOm ±5%"));
    QCOMPARE(after.band, QString("Метка 1"));

    // Nothing of the start-up state was on show during the splash either: not the band label,
    // not the value texts, not the colours of the first three bands (the fourth, gold, stands
    // where an unset strip does).
    QVERIFY(shownDuringSplash.band != after.band);
    QVERIFY(shownDuringSplash.value != after.value);
    QVERIFY(shownDuringSplash.unitAndTolerance != after.unitAndTolerance);
    for (int band = 1; band <= 3; ++band)
        QVERIFY2(shownDuringSplash.tops[band - 1] != after.tops[band - 1],
                 qPrintable(QString("band %1 showed its colour during the splash").arg(band)));
}

void TestStartUp::valueLabelsLetTheBackgroundThrough_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("value") << "lblResistor";
    QTest::newRow("unit and tolerance") << "lblLimit";
}

// Where a value label shows no text, to the left and right of its centred text, the window
// shows the background picture's own pixels.
void TestStartUp::valueLabelsLetTheBackgroundThrough()
{
    QFETCH(QString, name);
    const auto window = startedWindow();
    QVERIFY(window->isVisible());
    const auto* label = control<QLabel>(window.get(), name);
    const QImage seen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background = backgroundPicture();

    // The text's columns, with a margin for glyphs that reach past their advance.
    constexpr int kMargin = 3;
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance(label->text());
    const QRect place = label->geometry();
    const int textLeft = place.left() + (place.width() - textWidth) / 2 - kMargin;
    const int textRight = place.left() + (place.width() + textWidth) / 2 + kMargin;
    QVERIFY2(textLeft - place.left() >= 10 && place.right() - textRight >= 10,
             "the text leaves too little bare label to look at");

    bool backgroundIsPlain = true; // whether an opaque label could not be told apart
    const QColor labelFace = label->palette().color(QPalette::Window);
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            if (x >= textLeft && x <= textRight)
                continue;
            const QRgb expected = background.pixel(x, y);
            if (seen.pixel(x, y) != expected)
                QFAIL(
                    qPrintable(QString("window pixel (%1, %2) is %3, the background's is %4")
                                   .arg(x)
                                   .arg(y)
                                   .arg(QColor(seen.pixel(x, y)).name(), QColor(expected).name())));
            backgroundIsPlain = backgroundIsPlain && expected == labelFace.rgb();
        }
    }
    QVERIFY2(!backgroundIsPlain, "the background there has the label's own colour");
}

// Below the last colour button the panel is bare: it shows its own button face there, not the
// background picture behind it.
void TestStartUp::colourPanelCoversTheBackground()
{
    const auto window = startedWindow();
    QVERIFY(window->isVisible());
    const auto* panel = control<QFrame>(window.get(), "Picture1");
    const QImage seen = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background = backgroundPicture();
    const QColor face = panel->palette().color(QPalette::Button);

    // Rows 238..244 inside the panel: below the last button (which ends at 235), above the
    // sunken border (the last 2 rows); columns inside the border.
    const int lastButtonBottom = control<QWidget>(window.get(), "swcColor_11")->geometry().bottom();
    QVERIFY(lastButtonBottom < 238);
    const QRect bare = QRect(QPoint(4, 238), QPoint(panel->width() - 5, 244))
                           .translated(panel->geometry().topLeft());
    int differsFromBackground = 0;
    for (int y = bare.top(); y <= bare.bottom(); ++y) {
        for (int x = bare.left(); x <= bare.right(); ++x) {
            if (seen.pixel(x, y) != face.rgb())
                QFAIL(qPrintable(QString("window pixel (%1, %2) is %3, the panel's face is %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(QColor(seen.pixel(x, y)).name(), face.name())));
            if (background.pixel(x, y) != face.rgb())
                ++differsFromBackground;
        }
    }
    // The check means something only where the background itself is not the panel's colour.
    QVERIFY(differsFromBackground > bare.width() * bare.height() / 2);
}

QTEST_MAIN(TestStartUp)
#include "test_start_up.moc"
