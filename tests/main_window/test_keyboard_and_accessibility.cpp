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
    void keyboardWalk_data();
    void keyboardWalk();
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
    QVERIFY(showMainWindow(*window));
    QVERIFY(QTest::qWaitForWindowActive(window)); // keys go to the active window
}

void TestKeyboardAndAccessibility::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    delete window;
}

void TestKeyboardAndAccessibility::keyboardWalk_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("focus");  // the focused control after each key
    QTest::addColumn<QList<int>>("colours"); // the bands' codes at the end
    QTest::addColumn<int>("band");           // the band selected at the end

    // One stop per band, the colour list one stop at the checked colour (blue for band 1).
    const QStringList round = {"picLineColor_2", "picLineColor_3", "picLineColor_4",
                               "swcColor_6",     "BtnExit",        "btnLimit_0",
                               "btnLimit_3",     "btnLimit_6",     "picLineColor_1"};
    QStringList back(round.rbegin() + 1, round.rend());
    back << round.last();
    const QList<int> start = {6, 2, 5, 11};
    QTest::newRow("Tab round") << QStringList(9, "Tab") << round << start << 1;
    QTest::newRow("Shift+Tab round") << QStringList(9, "Shift+Tab") << back << start << 1;

    // After the list had the focus, band 4 is chosen by Space: its colours are reachable.
    QStringList keys = QStringList(12, "Tab");
    QStringList focus = round.mid(0, 4) + round.mid(4) + round.mid(0, 3);
    keys << "Space"
         << "Tab"
         << "Up"
         << "Down"
         << "Up"
         << "Tab"
         << "Shift+Tab";
    focus << "picLineColor_4"
          << "swcColor_11"
          << "swcColor_10"
          << "swcColor_11"
          << "swcColor_10"
          << "BtnExit"
          << "swcColor_10";
    QTest::newRow("tolerance after the list") << keys << focus << QList<int>{6, 2, 5, 10} << 4;

    QTest::newRow("Shift+Tab leaves the list")
        << QStringList{"Tab", "Tab", "Tab", "Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab"}
        << QStringList{"picLineColor_2", "picLineColor_3", "picLineColor_4", "swcColor_6",
                       "picLineColor_4", "picLineColor_3", "picLineColor_2"}
        << start << 1;
    QTest::newRow("arrows, then out and back")
        << QStringList{"Tab", "Tab", "Tab", "Tab", "Down", "Down", "Shift+Tab", "Tab", "Tab"}
        << QStringList{"picLineColor_2", "picLineColor_3", "picLineColor_4",
                       "swcColor_6",     "swcColor_7",     "swcColor_8",
                       "picLineColor_4", "swcColor_8",     "BtnExit"}
        << QList<int>{8, 2, 5, 11} << 1;
    // A digit band stops at white and never reaches silver; back from the tolerance band the
    // list is entered at the digit band's colour again.
    QTest::newRow("multiplier down to white")
        << QStringList{"Tab",  "Tab",  "Space", "Tab",  "Tab", "Down",
                       "Down", "Down", "Down",  "Down", "Tab"}
        << QStringList{"picLineColor_2", "picLineColor_3", "picLineColor_3", "picLineColor_4",
                       "swcColor_5",     "swcColor_6",     "swcColor_7",     "swcColor_8",
                       "swcColor_9",     "swcColor_9",     "BtnExit"}
        << QList<int>{6, 2, 9, 11} << 3;
    QTest::newRow("tolerance, then a digit band")
        << QStringList{"Shift+Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab",
                       "Space",     "Tab",       "Down",      "Shift+Tab", "Shift+Tab", "Shift+Tab",
                       "Space",     "Tab",       "Tab",       "Tab",       "Up"}
        << QStringList{"btnLimit_6",     "btnLimit_3",     "btnLimit_0",     "BtnExit",
                       "swcColor_6",     "picLineColor_4", "picLineColor_4", "swcColor_11",
                       "swcColor_11",    "picLineColor_4", "picLineColor_3", "picLineColor_2",
                       "picLineColor_2", "picLineColor_3", "picLineColor_4", "swcColor_2",
                       "swcColor_1"}
        << QList<int>{6, 1, 5, 11} << 2;
}

void TestKeyboardAndAccessibility::keyboardWalk()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, focus);
    QFETCH(QList<int>, colours);
    QFETCH(int, band);
    QCOMPARE(keys.size(), focus.size());
    deliverAccessibilityEventsTo(recordEvent);
    QCOMPARE(focused(), QString("picLineColor_1"));

    QList<QImage> seen = {window->grab().toImage()};
    QStringList stops = {focused()};
    for (int i = 0; i < keys.size(); ++i) {
        accessibilityEvents.clear();
        const QKeyCombination key = QKeySequence(keys[i])[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        const QString step = QString("key %1 (%2)").arg(i + 1).arg(keys[i]);
        QVERIFY2(focused() == focus[i], qPrintable(step + ": the focus is on " + focused()));

        // Assistive technology hears of the focus only where it is.
        int focusEvents = 0;
        for (const auto& [name, type] : accessibilityEvents)
            if (type == QAccessible::Focus) {
                QVERIFY2(name == focused(), qPrintable(step + ": a focus event for " + name));
                ++focusEvents;
            }
        QVERIFY2(focusEvents > 0 || focus[i] == stops.last(),
                 qPrintable(step + ": no focus event"));
        QAccessibleInterface* focusChild =
            QAccessible::queryAccessibleInterface(window)->focusChild();
        QVERIFY(focusChild);
        QCOMPARE(focusChild->object(), QApplication::focusWidget());
        QVERIFY(focusChild->state().focused);

        seen << window->grab().toImage();
        stops << focused();
    }
    // Every stop shows that it has the focus: where it marks the focus, the window looks
    // different from when the stop before or after it has the focus. A band's arrows stand
    // beside it, every other control marks the focus inside itself.
    for (int i = 1; i < stops.size(); ++i) {
        auto* stop = control<QWidget>(window, stops[i]);
        const QRect visible = stop->visibleRegion().boundingRect();
        const int beside = qobject_cast<BandPicture*>(stop) ? 12 : 0;
        const QRect around = QRect(stop->mapTo(window, visible.topLeft()), visible.size())
                                 .adjusted(-beside, 0, beside, 0);
        for (int j : {i - 1, i + 1})
            if (j < stops.size() && stops[j] != stops[i])
                QVERIFY2(
                    !firstDifference(seen[i].copy(around), seen[j].copy(around)).isEmpty(),
                    qPrintable(QString("%1 shows no focus after key %2").arg(stops[i]).arg(i)));
    }

    QCOMPARE(int(window->bandState().CurLine), band);
    for (int b = 1; b <= 4; ++b)
        QCOMPARE(int(window->bandState().LineColor[b]), colours[b - 1]);
    const QString wrong = DisplayAgreement(window).disagreement();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestKeyboardAndAccessibility::focusCueAppearsOnlyWithTheKeyboard()
{
    auto* first = control<BandFrame>(window, "picLine_1");
    auto* frame = control<BandFrame>(window, "picLine_2");
    // The arrow's place, left of the frame, halfway down.
    const QPoint cue(frame->x() - 5, frame->y() + frame->height() / 2);
    const QColor atStart = window->grab().toImage().pixelColor(cue);
    QVERIFY(!first->showsFocusCue()); // band 1 has the focus, but no key was pressed yet

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to band 2
    QVERIFY(frame->showsFocusCue());
    TRY_COMPARE(window->grab().toImage().pixelColor(cue), QColor(Qt::white));
    QVERIFY(atStart != QColor(Qt::white));

    // The cue leaves the band's colour wholly visible.
    const QImage band = frame->grab().toImage();
    for (int x = 0; x < 54; ++x)
        QVERIFY(band.pixelColor(x, 0) == QColor(Qt::black));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to band 3
    QVERIFY(!frame->showsFocusCue());
    QVERIFY(control<BandFrame>(window, "picLine_3")->showsFocusCue());
}

void TestKeyboardAndAccessibility::spaceAndEnterSelectTheBand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("band");
    QTest::newRow("Space on band 3")
        << "picLineColor_3" << int(Qt::Key_Space) << Qt::KeyboardModifiers() << 3;
    QTest::newRow("Enter on band 4")
        << "picLineColor_4" << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 4;
    QTest::newRow("keypad Enter on band 2")
        << "picLineColor_2" << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << 2;
    QTest::newRow("keypad Enter, as the keypad sends it")
        << "picLineColor_2" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 2;
    QTest::newRow("other key does nothing")
        << "picLineColor_3" << int(Qt::Key_A) << Qt::KeyboardModifiers() << 1;
    // With a modifier the key is another command, not a press: band 1 stays selected.
    for (const auto& [key, keyName] :
         {std::pair{Qt::Key_Space, "Space"}, {Qt::Key_Return, "Enter"}})
        for (const auto& [modifier, modifierName] : {std::pair{Qt::ControlModifier, "Ctrl"},
                                                     {Qt::AltModifier, "Alt"},
                                                     {Qt::ShiftModifier, "Shift"}})
            QTest::addRow("%s+%s", modifierName, keyName)
                << "picLineColor_3" << int(key) << Qt::KeyboardModifiers(modifier) << 1;
    QTest::newRow("Ctrl+keypad Enter") << "picLineColor_3" << int(Qt::Key_Enter)
                                       << (Qt::ControlModifier | Qt::KeypadModifier) << 1;
}

void TestKeyboardAndAccessibility::spaceAndEnterSelectTheBand()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, band);
    auto* target = control<QWidget>(window, name);
    target->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(window->bandState().CurLine, std::int16_t(band));
    QCOMPARE(control<QLabel>(window, "lblLine")->text(), QString("Метка %1").arg(band));
    // The heading's caption says "Метка", a screen reader names the bands "Полоса".
    QCOMPARE(accessible(window, "lblLine")->text(QAccessible::Description),
             QString("Редактируемая полоса: Полоса %1").arg(band));
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
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("description"); // empty: none
    QTest::addColumn<bool>("focusable");
    QTest::addColumn<bool>("textual"); // its text can be read through a text interface
    // A band that stays selected is a check box, as a toggle button would be; AT-SPI has no
    // toggle-button role for Qt's widgets.
    QTest::newRow("band picture 1")
        << "picLineColor_1" << int(QAccessible::CheckBox) << "Полоса 1: Голубой"
        << "Щелчок, пробел или Enter выбирает эту полосу для изменения цвета" << true << false;
    // Each band once: the frame is the band's grouping, its picture the band's one stop.
    QTest::newRow("band frame 4") << "picLine_4" << int(QAccessible::Grouping) << "Полоса 4"
                                  << "" << false << false;
    QTest::newRow("panel") << "Picture1" << int(QAccessible::Grouping) << "Цвет выбранной полосы"
                           << "" << false << false;
    // The spoken name holds the caption, for voice control; the Russian word describes it.
    QTest::newRow("unit Om") << "btnLimit_0" << int(QAccessible::Button) << "Om"
                             << "Омы" << true << false;
    QTest::newRow("unit kOm") << "btnLimit_3" << int(QAccessible::Button) << "kOm"
                              << "Килоомы" << true << false;
    QTest::newRow("unit mOm") << "btnLimit_6" << int(QAccessible::Button) << "mOm"
                              << "Мегаомы" << true << false;
    QTest::newRow("exit") << "BtnExit" << int(QAccessible::Button) << "Выход"
                          << "" << true << false;
    QTest::newRow("value") << "lblResistor" << int(QAccessible::StaticText) << " 6200"
                           << "Сопротивление" << false << true;
    QTest::newRow("unit and tolerance") << "lblLimit" << int(QAccessible::StaticText) << "kOm ±5%"
                                        << "Единица измерения и допуск" << false << true;
    QTest::newRow("band label") << "lblLine" << int(QAccessible::StaticText) << "Метка 1"
                                << "Редактируемая полоса: Полоса 1" << false << true;
    QTest::newRow("main window") << "FrmGeneral" << int(QAccessible::Window)
                                 << "Программа расшифровки цветовой маркеровки резисторов"
                                 << "" << false << false;
}

void TestKeyboardAndAccessibility::controlsAreNamedForScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, spoken);
    QFETCH(QString, description);
    QFETCH(bool, focusable);
    QFETCH(bool, textual);
    auto* widget = name == "FrmGeneral" ? window : control<QWidget>(window, name);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name).trimmed(), spoken.trimmed());
    QCOMPARE(iface->text(QAccessible::Description), description);
    QCOMPARE(bool(iface->state().focusable), focusable);

    QAccessibleTextInterface* text = iface->textInterface();
    QCOMPARE(text != nullptr, textual);
    if (!text)
        return;
    QCOMPARE(text->text(0, text->characterCount()), iface->text(QAccessible::Name));
    // Each character lies inside the label, after the one before it, and is found at its place.
    const QRect label(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    int right = label.left();
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        const QRect character = text->characterRect(offset);
        QVERIFY2(label.contains(character), qPrintable(QString::number(offset)));
        QVERIFY(character.left() >= right - 1);
        right = character.right();
        if (character.width() > 2)
            QCOMPARE(text->offsetAtPoint(character.center()), offset);
    }
    QCOMPARE(text->offsetAtPoint(label.bottomRight() + QPoint(5, 5)), -1);
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
