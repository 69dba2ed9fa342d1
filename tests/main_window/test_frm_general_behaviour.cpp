// SPDX-License-Identifier: MIT
// The main window as the user drives it: start-up, band selection, colours, units, the order
// in which the value labels are written, and the exit.
#include "band_frame.h"
#include "colour_code.h"
#include "frm_general.h"
#include "resistance_texts.h"
#include "waits.h"
#include "window_driver.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

namespace
{

// Everything the user can see of the window's state, for before/after comparisons.
struct Shown {
    QStringList texts;   // the three labels
    QList<int> tops;     // band picture tops in pixels
    QList<bool> checked; // colour buttons
    QList<bool> enabled; // colour buttons
    bool operator==(const Shown& o) const
    {
        return texts == o.texts && tops == o.tops && checked == o.checked && enabled == o.enabled;
    }
};

Shown shown(const FrmGeneral& window)
{
    Shown d;
    for (const char* name : {"lblLine", "lblResistor", "lblLimit"})
        d.texts << control<QLabel>(&window, name)->text();
    for (int band = 1; band <= 4; ++band)
        d.tops << control<QWidget>(&window, QString("picLineColor_%1").arg(band))->y();
    for (int code = 0; code < 12; ++code) {
        const auto* button = control<QRadioButton>(&window, QString("swcColor_%1").arg(code));
        d.checked << button->isChecked();
        d.enabled << button->isEnabled();
    }
    return d;
}

// The labels whose text changed, in order, as reported to assistive technology.
QStringList labelWrites;
void recordLabelWrites(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged && qobject_cast<QLabel*>(event->object()))
        labelWrites << event->object()->objectName();
}

} // namespace

class TestFrmGeneralBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUp();
    void selectingTheToleranceBand();
    void reselectingTheSelectedBandChangesNothing();
    void clicks_data();
    void clicks();
    void colourRowTakesTheClickAnywhere_data();
    void colourRowTakesTheClickAnywhere();
    void pressReleasedOffTheControlDoesNothing_data();
    void pressReleasedOffTheControlDoesNothing();
    void unitClickChangesOnlyTheValueLabels();
    void valueLabelIsWrittenFirst_data();
    void valueLabelIsWrittenFirst();
    void exitButtonEndsTheEventLoop();
    void closingTheWindowQuits();

private:
    void click(const QString& name);
    FrmGeneral* window = nullptr;
};

void TestFrmGeneralBehaviour::init()
{
    window = new FrmGeneral;
    QVERIFY(showMainWindow(*window));
}

void TestFrmGeneralBehaviour::cleanup()
{
    delete window;
    window = nullptr;
}

void TestFrmGeneralBehaviour::click(const QString& name)
{
    auto* target = control<QWidget>(window, name);
    // Radio buttons take the click near their indicator.
    clickThroughWindow(target, qobject_cast<QRadioButton*>(target) ? QPoint(8, target->height() / 2)
                                                                   : QPoint());
}

void TestFrmGeneralBehaviour::startUp()
{
    const BandState& state = window->bandState();
    QCOMPARE(state.CurLine, std::int16_t(1));
    QCOMPARE(control<QLabel>(window, "lblLine")->text(), QString("Метка 1"));
    const Shown d = shown(*window);
    for (int code = 0; code < 12; ++code) {
        QCOMPARE(d.checked[code], code == 6);
        QCOMPARE(d.enabled[code], code <= 9);
    }
    // Blue, red, green, gold: the strip stands at -5, -9, -6 and 0 cells.
    QCOMPARE(d.tops, (QList<int>{-65, -117, -78, 0}));
    QCOMPARE(d.texts[1], QString(" 6200"));
    QCOMPARE(d.texts[2], QString("kOm ±5%"));
    // The splash window is unloaded, and its timer with it.
    for (const QWidget* widget : QApplication::allWidgets())
        QVERIFY(widget->objectName() != QLatin1String("FrmLogo"));

    const QRect screen = window->screen()->geometry();
    const QRect outer = window->frameGeometry();
    QVERIFY(std::abs(outer.center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(outer.center().y() - screen.center().y()) <= 1);
}

void TestFrmGeneralBehaviour::selectingTheToleranceBand()
{
    const Shown before = shown(*window);
    click("picLineColor_4");
    const Shown after = shown(*window);
    QCOMPARE(after.texts[0], QString("Метка 4"));
    for (int code = 0; code < 12; ++code) {
        QCOMPARE(after.checked[code], code == 11);
        QCOMPARE(after.enabled[code], code >= 10);
    }
    QCOMPARE(after.texts.mid(1), before.texts.mid(1));
    QCOMPARE(after.tops, before.tops);
}

void TestFrmGeneralBehaviour::reselectingTheSelectedBandChangesNothing()
{
    click("picLineColor_2");
    const Shown before = shown(*window);
    const BandState state = window->bandState();
    click("picLineColor_2");
    QVERIFY(shown(*window) == before);
    QVERIFY(window->bandState().LineColor == state.LineColor);
}

void TestFrmGeneralBehaviour::clicks_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unitAndTolerance");

    QTest::newRow("band 4 silver") << QStringList{"picLineColor_4", "swcColor_10"}
                                   << QList<int>{-65, -117, -78, -13} << " 6200"
                                   << "kOm ±10%";
    QTest::newRow("band 3 red: x100")
        << QStringList{"picLineColor_3", "swcColor_2"} << QList<int>{-65, -117, -117, 0} << " 6.2"
        << "kOm ±5%";
    QTest::newRow("band 3 red in mOm") << QStringList{"picLineColor_3", "swcColor_2", "btnLimit_6"}
                                       << QList<int>{-65, -117, -117, 0} << "0.0062"
                                       << "mOm ±5%";
    QTest::newRow("4.7 kOm") << QStringList{"swcColor_4", "picLineColor_2", "swcColor_7",
                                            "picLineColor_3", "swcColor_2"}
                             << QList<int>{-91, -52, -117, 0} << " 4.7"
                             << "kOm ±5%";
    QTest::newRow("largest in ohms")
        << QStringList{"swcColor_9",     "picLineColor_2", "swcColor_9",
                       "picLineColor_3", "swcColor_9",     "btnLimit_0"}
        << QList<int>{-26, -26, -26, 0} << " 99000000000"
        << "Om ±5%";
    QTest::newRow("zero") << QStringList{"swcColor_0", "picLineColor_2", "swcColor_0"}
                          << QList<int>{-143, -143, -78, 0} << " 0"
                          << "kOm ±5%";
    QTest::newRow("disabled button does nothing")
        << QStringList{"swcColor_11"} << QList<int>{-65, -117, -78, 0} << " 6200"
        << "kOm ±5%";
}

void TestFrmGeneralBehaviour::clicks()
{
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, tops);
    QFETCH(QString, value);
    QFETCH(QString, unitAndTolerance);
    for (const QString& name : clicks)
        click(name);
    const Shown d = shown(*window);
    QCOMPARE(d.tops, tops);
    QCOMPARE(d.texts[1], value);
    QCOMPARE(d.texts[2], unitAndTolerance);
}

void TestFrmGeneralBehaviour::colourRowTakesTheClickAnywhere_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("x");
    for (int code = 0; code < 12; ++code)
        // The row is 93 px wide: its left end, its middle, its right end (past every caption).
        for (int x : {0, 46, 92})
            // Band 4 takes only silver and gold, the others only black to white.
            for (int band : {1, 4})
                QTest::addRow("%s, band %d, x %d", colourCode(code).name, band, x)
                    << code << band << x;
}

void TestFrmGeneralBehaviour::colourRowTakesTheClickAnywhere()
{
    QFETCH(int, code);
    QFETCH(int, band);
    QFETCH(int, x);
    click(QString("picLineColor_%1").arg(band));
    const BandState before = window->bandState();
    auto* row = control<QRadioButton>(window, QString("swcColor_%1").arg(code));
    QCOMPARE(row->width(), 93);
    clickThroughWindow(row, QPoint(x, row->height() / 2));
    const bool offered = band == 4 ? code >= 10 : code <= 9;
    QCOMPARE(window->bandState().LineColor[band], offered ? code : before.LineColor[band]);
    QCOMPARE(row->isChecked(), offered || before.LineColor[band] == code);
    const QString wrong = DisplayAgreement(window).disagreement();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestFrmGeneralBehaviour::pressReleasedOffTheControlDoesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("moved"); // from the press at the middle of what shows of it
    QTest::addColumn<bool>("acts");
    // A band picture is the whole colour strip, of which its frame shows one 54 × 13 cell: a
    // release on the hidden part is off the band.
    QTest::newRow("band 3, released within its cell") << "picLineColor_3" << QPoint(20, 5) << true;
    QTest::newRow("band 3, released below its frame") << "picLineColor_3" << QPoint(0, 10) << false;
    QTest::newRow("band 3, released beside its frame")
        << "picLineColor_3" << QPoint(-30, 0) << false;
    QTest::newRow("colour, released past its row") << "swcColor_2" << QPoint(60, 0) << false;
    QTest::newRow("unit, released below it") << "btnLimit_6" << QPoint(0, 30) << false;
}

void TestFrmGeneralBehaviour::pressReleasedOffTheControlDoesNothing()
{
    QFETCH(QString, name);
    QFETCH(QPoint, moved);
    QFETCH(bool, acts);
    auto* target = control<QWidget>(window, name);
    const QPoint press = target->mapTo(window, target->visibleRegion().boundingRect().center());
    const BandState before = window->bandState();
    QWindow* native = window->windowHandle();
    QTest::mousePress(native, Qt::LeftButton, {}, press);
    QTest::mouseMove(native, press + moved);
    QTest::mouseRelease(native, Qt::LeftButton, {}, press + moved);
    const BandState& after = window->bandState();
    const bool changed = after.CurLine != before.CurLine || after.LineColor != before.LineColor ||
                         after.LimitDivisor != before.LimitDivisor;
    QCOMPARE(changed, acts);
    const QString wrong = DisplayAgreement(window).disagreement();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestFrmGeneralBehaviour::unitClickChangesOnlyTheValueLabels()
{
    for (const char* unit : {"btnLimit_0", "btnLimit_6", "btnLimit_3"}) {
        const Shown before = shown(*window);
        const BandState state = window->bandState();
        click(unit);
        const Shown after = shown(*window);
        QCOMPARE(after.texts[0], before.texts[0]);
        QCOMPARE(after.tops, before.tops);
        QCOMPARE(after.checked, before.checked);
        QCOMPARE(after.enabled, before.enabled);
        QVERIFY(window->bandState().LineColor == state.LineColor);
        QCOMPARE(window->bandState().CurLine, state.CurLine);
    }
    QCOMPARE(shown(*window).texts[1], QString(" 6200"));
}

void TestFrmGeneralBehaviour::valueLabelIsWrittenFirst_data()
{
    // A label whose text stays the same is not rewritten.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("digit colour") << "swcColor_3" << QStringList{"lblResistor"};
    QTest::newRow("unit Om") << "btnLimit_0" << QStringList{"lblResistor", "lblLimit"};
    QTest::newRow("unit mOm") << "btnLimit_6" << QStringList{"lblResistor", "lblLimit"};
}

void TestFrmGeneralBehaviour::valueLabelIsWrittenFirst()
{
    QFETCH(QString, name);
    QFETCH(QStringList, written);
    deliverAccessibilityEventsTo(recordLabelWrites);
    labelWrites.clear();
    click(name);
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(labelWrites, written);
}

void TestFrmGeneralBehaviour::exitButtonEndsTheEventLoop()
{
    QTimer::singleShot(0, window, [this] { click("BtnExit"); });
    EXEC_COMPARE_EXIT_CODE(0);
    QVERIFY(!window->isVisible());
}

void TestFrmGeneralBehaviour::closingTheWindowQuits()
{
    QTimer::singleShot(0, window, [this] { window->close(); });
    EXEC_COMPARE_EXIT_CODE(0);
}

QTEST_MAIN(TestFrmGeneralBehaviour)
#include "test_frm_general_behaviour.moc"
