// SPDX-License-Identifier: MIT
// Everything the mouse does can be done from the keyboard, and a screen reader is told what
// each control is and what it shows.
#include "band_frame.h"
#include "colour_code.h"
#include "frm_general.h"
#include "waits.h"
#include "window_driver.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

namespace
{

QList<QPair<QString, QAccessible::Event>> accessibilityEvents;
void recordEvent(QAccessibleEvent* event)
{
    if (event->object())
        accessibilityEvents.append({event->object()->objectName(), event->type()});
}

QAccessibleInterface* accessible(const FrmGeneral* window, const QString& name)
{
    return QAccessible::queryAccessibleInterface(control<QWidget>(window, name));
}

} // namespace

class TestKeyboardAndAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tabOrderFollowsTheDesign_data();
    void tabOrderFollowsTheDesign();
    void focusCueAppearsOnlyWithTheKeyboard();
    void spaceAndEnterSelectTheBand_data();
    void spaceAndEnterSelectTheBand();
    void arrowsChooseAmongEnabledColours_data();
    void arrowsChooseAmongEnabledColours();
    void spaceOnUnitButtonActsAsClick();
    void controlsAreNamedForScreenReaders_data();
    void controlsAreNamedForScreenReaders();
    void colourButtonStatesAreExposed();
    void bandNameFollowsItsColourAndIsAnnounced();
    void selectedBandIsCheckedAndAnnounced();
    void bandExtentIsItsVisibleCell();
    void accessibleActionsKeepTheDisplayInStep_data();
    void accessibleActionsKeepTheDisplayInStep();

private:
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    FrmGeneral* window = nullptr;
};

void TestKeyboardAndAccessibility::init()
{
    window = new FrmGeneral;
    clickSplashWhenShown();
    window->loadAndShow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestKeyboardAndAccessibility::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    delete window;
}

void TestKeyboardAndAccessibility::tabOrderFollowsTheDesign_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("order");
    // The colour group is one stop, entered at the checked colour (blue for band 1).
    const QStringList forward = {"picLineColor_1", "picLine_2", "picLineColor_2", "picLine_3",
                                 "picLineColor_3", "picLine_4", "picLineColor_4", "Picture1",
                                 "swcColor_6",     "BtnExit",   "btnLimit_0",     "btnLimit_3",
                                 "btnLimit_6",     "picLine_1"};
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    backward.removeFirst(); // picLine_1, where the focus starts
    backward << "picLine_1";
    QTest::newRow("Tab") << int(Qt::Key_Tab) << forward;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << backward;
}

void TestKeyboardAndAccessibility::tabOrderFollowsTheDesign()
{
    QFETCH(int, key);
    QFETCH(QStringList, order);
    QCOMPARE(focused(), QString("picLine_1"));
    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        visited << focused();
    }
    QCOMPARE(visited, order);
}

void TestKeyboardAndAccessibility::focusCueAppearsOnlyWithTheKeyboard()
{
    auto* frame = control<BandFrame>(window, "picLine_1");
    // The arrow's place, left of the frame, halfway down.
    const QPoint cue(frame->x() - 5, frame->y() + frame->height() / 2);
    const QColor atStart = window->grab().toImage().pixelColor(cue);
    QVERIFY(!frame->showsFocusCue());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to picLineColor_1
    QVERIFY(frame->showsFocusCue());
    TRY_COMPARE(window->grab().toImage().pixelColor(cue), QColor(Qt::white));
    QVERIFY(atStart != QColor(Qt::white));

    // The cue leaves the band's colour wholly visible.
    const QImage band = frame->grab().toImage();
    for (int x = 0; x < 54; ++x)
        QVERIFY(band.pixelColor(x, 0) == QColor(Qt::black));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to picLine_2
    QVERIFY(!frame->showsFocusCue());
    QVERIFY(control<BandFrame>(window, "picLine_2")->showsFocusCue());
}

void TestKeyboardAndAccessibility::spaceAndEnterSelectTheBand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("band");
    QTest::newRow("Space on frame 3") << "picLine_3" << int(Qt::Key_Space) << 3;
    QTest::newRow("Enter on picture 4") << "picLineColor_4" << int(Qt::Key_Return) << 4;
    QTest::newRow("keypad Enter on frame 2") << "picLine_2" << int(Qt::Key_Enter) << 2;
    QTest::newRow("other key does nothing") << "picLine_3" << int(Qt::Key_A) << 1;
}

void TestKeyboardAndAccessibility::spaceAndEnterSelectTheBand()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(int, band);
    auto* target = control<QWidget>(window, name);
    target->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(window->bandState().CurLine, std::int16_t(band));
    QCOMPARE(control<QLabel>(window, "lblLine")->text(), QString("Метка %1").arg(band));
    if (band == 4)
        QVERIFY(control<QRadioButton>(window, "swcColor_11")->isChecked());
}

void TestKeyboardAndAccessibility::arrowsChooseAmongEnabledColours_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<int>>("allowedCodes"); // where the choice may end up
    QTest::addColumn<int>("code");                // or exactly this one (if not -1)
    QTest::newRow("down from blue") << 1 << QList<int>{Qt::Key_Down} << QList<int>{} << 7;
    QTest::newRow("up twice from blue")
        << 1 << QList<int>{Qt::Key_Up, Qt::Key_Up} << QList<int>{} << 4;
    QTest::newRow("tolerance: up to silver") << 4 << QList<int>{Qt::Key_Up} << QList<int>{} << 10;
    QTest::newRow("tolerance: never a digit colour")
        << 4 << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}
        << QList<int>{10, 11} << -1;
    QTest::newRow("digits: never silver or gold")
        << 2 << QList<int>(12, Qt::Key_Down) << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << -1;
}

void TestKeyboardAndAccessibility::arrowsChooseAmongEnabledColours()
{
    QFETCH(int, band);
    QFETCH(QList<int>, keys);
    QFETCH(QList<int>, allowedCodes);
    QFETCH(int, code);
    window->picLineColor_Click(std::int16_t(band));
    const int start = window->bandState().LineColor[band];
    control<QWidget>(window, QString("swcColor_%1").arg(start))->setFocus(Qt::TabFocusReason);
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    const int now = window->bandState().LineColor[band];
    if (code >= 0)
        QCOMPARE(now, code);
    else
        QVERIFY2(allowedCodes.contains(now), qPrintable(QString::number(now)));
    // Applied as a click would: the checked colour, the band picture and the texts agree.
    QVERIFY(control<QRadioButton>(window, QString("swcColor_%1").arg(now))->isChecked());
    QCOMPARE(
        pictureTopInCells(control<BandFrame>(window, QString("picLine_%1").arg(band))->picture()),
        float(now - 11));
    if (band == 4)
        QCOMPARE(control<QLabel>(window, "lblLimit")->text(),
                 QString(now == 10 ? "kOm ±10%" : "kOm ±5%"));
}

void TestKeyboardAndAccessibility::spaceOnUnitButtonActsAsClick()
{
    auto* button = control<QWidget>(window, "btnLimit_6");
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(control<QLabel>(window, "lblLimit")->text(), QString("mOm ±5%"));
    QCOMPARE(control<QLabel>(window, "lblResistor")->text(), QString(" 6.2"));
}

void TestKeyboardAndAccessibility::controlsAreNamedForScreenReaders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role"); // -1: whatever the toolkit gives
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("described");
    QTest::newRow("band picture 1")
        << "picLineColor_1" << int(QAccessible::Button) << "Полоса 1: Голубой" << true;
    // Each band once: the frame is the band's grouping, its picture the band's button.
    QTest::newRow("band frame 4") << "picLine_4" << int(QAccessible::Grouping) << "Полоса 4"
                                  << false;
    QTest::newRow("panel") << "Picture1" << -1 << "Цвет выбранной полосы" << false;
    // The spoken name holds the caption, for voice control; the Russian word describes it.
    QTest::newRow("unit Om") << "btnLimit_0" << int(QAccessible::Button) << "Om" << true;
    QTest::newRow("unit kOm") << "btnLimit_3" << int(QAccessible::Button) << "kOm" << true;
    QTest::newRow("unit mOm") << "btnLimit_6" << int(QAccessible::Button) << "mOm" << true;
    QTest::newRow("exit") << "BtnExit" << int(QAccessible::Button) << "Выход" << false;
    QTest::newRow("value") << "lblResistor" << int(QAccessible::StaticText) << " 6200" << true;
    QTest::newRow("unit and tolerance")
        << "lblLimit" << int(QAccessible::StaticText) << "kOm ±5%" << true;
    QTest::newRow("band label") << "lblLine" << int(QAccessible::StaticText) << "Метка 1" << false;
    QTest::newRow("main window") << "FrmGeneral" << int(QAccessible::Window)
                                 << "Программа расшифровки цветовой маркеровки резисторов" << false;
}

void TestKeyboardAndAccessibility::controlsAreNamedForScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, spoken);
    QFETCH(bool, described);
    QAccessibleInterface* iface = name == "FrmGeneral"
                                      ? QAccessible::queryAccessibleInterface(window)
                                      : accessible(window, name);
    QVERIFY(iface);
    if (role >= 0)
        QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name).trimmed(), spoken.trimmed());
    QCOMPARE(!iface->text(QAccessible::Description).isEmpty(), described);
}

void TestKeyboardAndAccessibility::colourButtonStatesAreExposed()
{
    window->picLineColor_Click(4);
    for (int code = 0; code < 12; ++code) {
        QAccessibleInterface* iface = accessible(window, QString("swcColor_%1").arg(code));
        QCOMPARE(iface->role(), QAccessible::RadioButton);
        QCOMPARE(bool(iface->state().checked), code == 11);
        QCOMPARE(bool(iface->state().disabled), code < 10);
    }
}

void TestKeyboardAndAccessibility::bandNameFollowsItsColourAndIsAnnounced()
{
    deliverAccessibilityEventsTo(recordEvent);
    accessibilityEvents.clear();
    window->picLineColor_Click(3);
    window->swcColor_Click(2);
    QCOMPARE(accessible(window, "picLineColor_3")->text(QAccessible::Name),
             QString("Полоса 3: Красный"));
    QCOMPARE(accessible(window, "picLine_3")->text(QAccessible::Name), QString("Полоса 3"));
    QVERIFY(accessibilityEvents.contains({"picLineColor_3", QAccessible::NameChanged}));
    QVERIFY(accessibilityEvents.contains({"lblResistor", QAccessible::NameChanged}));
    // A band whose colour did not change is not announced again.
    QVERIFY(!accessibilityEvents.contains({"picLineColor_1", QAccessible::NameChanged}));
}

void TestKeyboardAndAccessibility::selectedBandIsCheckedAndAnnounced()
{
    const auto checkedBands = [this] {
        QList<int> checked;
        for (int band = 1; band <= 4; ++band) {
            const QAccessible::State state =
                accessible(window, QString("picLineColor_%1").arg(band))->state();
            if (state.checked)
                checked << band;
            if (!state.checkable)
                checked << -band; // shows up as a difference
        }
        return checked;
    };
    QCOMPARE(checkedBands(), QList<int>{1});
    deliverAccessibilityEventsTo(recordEvent);
    accessibilityEvents.clear();
    clickThroughWindow(control<QWidget>(window, "picLineColor_3"));
    QCOMPARE(checkedBands(), QList<int>{3});
    QVERIFY(accessibilityEvents.contains({"picLineColor_3", QAccessible::StateChanged}));
    QVERIFY(accessibilityEvents.contains({"picLineColor_1", QAccessible::StateChanged}));
    // Selecting the selected band again leaves it checked.
    clickThroughWindow(control<QWidget>(window, "picLineColor_3"));
    QCOMPARE(checkedBands(), QList<int>{3});
}

void TestKeyboardAndAccessibility::bandExtentIsItsVisibleCell()
{
    for (const auto& [band, code] : {std::pair{1, 6}, {4, 11}}) {
        auto* frame = control<QWidget>(window, QString("picLine_%1").arg(band));
        const QRect cell(frame->mapToGlobal(QPoint(0, 0)), QSize(54, 13));
        QCOMPARE(accessible(window, QString("picLineColor_%1").arg(band))->rect(), cell);
        QCOMPARE(window->bandState().LineColor[band], std::int16_t(code));
    }
    // It follows the strip when the colour changes.
    window->picLineColor_Click(2);
    window->swcColor_Click(9);
    auto* frame = control<QWidget>(window, "picLine_2");
    QCOMPARE(accessible(window, "picLineColor_2")->rect(),
             QRect(frame->mapToGlobal(QPoint(0, 0)), QSize(54, 13)));
}

void TestKeyboardAndAccessibility::accessibleActionsKeepTheDisplayInStep_data()
{
    QTest::addColumn<int>("band"); // selected first
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("code");    // the colour the band should have afterwards, or -1
    QTest::addColumn<int>("divisor"); // the unit afterwards, or -1
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();
    // A colour button offers its toggle action (a disabled one none, but a client may still
    // send it).
    for (int code = 0; code < 12; ++code)
        for (int band : {2, 4}) {
            const int offered = (band == 4) == (code >= 10);
            const int unchanged = band == 4 ? 11 : 2;
            const char* colour = colourCode(code).name;
            QTest::addRow("toggle %s, band %d", colour, band)
                << band << QString("swcColor_%1").arg(code) << toggle
                << (offered ? code : unchanged) << -1;
        }
    for (auto [unit, divisor] : {std::pair{0, 1}, {3, 1000}, {6, 1000000}})
        QTest::addRow("press unit %d", unit)
            << 1 << QString("btnLimit_%1").arg(unit) << press << -1 << divisor;
    for (int band = 1; band <= 4; ++band) {
        QTest::addRow("press band %d", band)
            << 2 << QString("picLineColor_%1").arg(band) << press << -1 << -1;
        QTest::addRow("toggle band %d", band)
            << 2 << QString("picLineColor_%1").arg(band) << toggle << -1 << -1;
    }
}

void TestKeyboardAndAccessibility::accessibleActionsKeepTheDisplayInStep()
{
    QFETCH(int, band);
    QFETCH(QString, name);
    QFETCH(QString, action);
    QFETCH(int, code);
    QFETCH(int, divisor);
    window->picLineColor_Click(std::int16_t(band));
    QAccessibleActionInterface* actions = accessible(window, name)->actionInterface();
    QVERIFY(actions);
    if (control<QWidget>(window, name)->isEnabled())
        QVERIFY(actions->actionNames().contains(action));
    actions->doAction(action);

    // A press animates the button and clicks it a moment later.
    const int selected = name.startsWith("picLineColor") ? name.section('_', 1).toInt() : band;
    TRY_COMPARE(int(window->bandState().CurLine), selected);
    if (code >= 0)
        TRY_COMPARE(int(window->bandState().LineColor[band]), code);
    if (divisor >= 0)
        TRY_COMPARE(int(window->bandState().LimitDivisor), divisor);
    QTest::qWait(0);
    const QString wrong = DisplayAgreement(window).disagreement();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

QTEST_MAIN(TestKeyboardAndAccessibility)
#include "test_keyboard_and_accessibility.moc"
