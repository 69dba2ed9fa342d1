// SPDX-License-Identifier: MIT
// An error raised in a handler abandons the rest of that handler, never unwinds through Qt, and
// reaches the application, which names it in a message box once control is back in the event
// loop and ends the program with exit code 1.
#include "../main_window/window_driver.h"
#include "band_frame.h"
#include "frm_general.h"
#include "handler_guard.h"
#include "resistor_application.h"
#include "waits.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <stdexcept>
#include <utility>

using Action = std::function<void()>;
using WindowAction = std::function<void(FrmGeneral*)>;
using StateChange = std::function<void(BandState&)>;
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(WindowAction)
Q_DECLARE_METATYPE(StateChange)

namespace
{

const QString kSubscript = "Индекс вне допустимого диапазона.";
const QString kOverflow = "Переполнение.";
const QString kFloatingPoint = "Ошибка вычислений с плавающей точкой.";

// A control whose mouse handler is an entry point of its own, as the splash window's is.
class ClickableWidget : public QWidget
{
public:
    Action onClick;

protected:
    void mouseReleaseEvent(QMouseEvent*) override { HandlerGuard::run(onClick); }
};

// The exit code after a run-time error, as a user or a script sees it.
constexpr int kErrorExitCode = 1;

// Keeps the text of every error message as it comes up, runs `whileShown` while the first is up,
// and presses each one's Ok once the event loop has delivered what was queued meanwhile (another
// report, say).
class ErrorBoxWatcher : public QObject
{
public:
    ErrorBoxWatcher() { qApp->installEventFilter(this); }

    QStringList texts;
    QStringList titles;
    std::function<void()> whileShown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (event->type() != QEvent::Show || !box || box == seen_)
            return false;
        seen_ = box;
        texts << box->text();
        titles << box->windowTitle();
        if (whileShown)
            std::exchange(whileShown, nullptr)(); // at the first message only
        QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        return false;
    }

private:
    QPointer<QMessageBox> seen_;
};

} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void init() { HandlerGuard::reset(); }
    void everyEntryPointReportsEveryError_data();
    void everyEntryPointReportsEveryError();
    void windowHandlerIsAbandonedAtTheError_data();
    void windowHandlerIsAbandonedAtTheError();
    void errorDuringTheSplashKeepsTheMainWindowHidden();
    void onlyTheFirstErrorIsReported_data();
    void onlyTheFirstErrorIsReported();
};

void TestErrorReport::everyEntryPointReportsEveryError_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Action>("fail");
    QTest::addColumn<QString>("message");

    const QList<QPair<QString, QPair<Action, QString>>> errors = {
        {"subscript",
         {[] { throw RunTimeError(RunTimeError::Kind::SubscriptOutOfRange); }, kSubscript}},
        {"overflow", {[] { throw RunTimeError(RunTimeError::Kind::Overflow); }, kOverflow}},
        {"floating point",
         {[] { throw RunTimeError(RunTimeError::Kind::FloatingPoint); }, kFloatingPoint}},
        {"out of memory", {[] { throw std::bad_alloc(); }, "Недостаточно памяти."}},
        {"other exception",
         {[] { throw std::logic_error("unexpected"); }, "Непредвиденная ошибка."}},
    };
    for (const QString entry : {"connection", "event handler", "timer", "nested event loop"})
        for (const auto& [name, error] : errors)
            QTest::addRow("%s, %s", qPrintable(entry), qPrintable(name))
                << entry << error.first << error.second;
}

void TestErrorReport::everyEntryPointReportsEveryError()
{
    QFETCH(QString, entry);
    QFETCH(Action, fail);
    QFETCH(QString, message);

    int before = 0, after = 0;
    const Action handler = [&] {
        ++before;
        fail();
        ++after;
    };
    QPushButton button;
    ClickableWidget widget;
    QDialog nested;
    ErrorBoxWatcher watcher;
    // The report comes once control is back in the event loop, not from inside the entry point.
    QStringList reportedInside;
    if (entry == "connection") {
        connect(&button, &QPushButton::clicked, &button, HandlerGuard::guarded(handler));
        QTimer::singleShot(0, &button, [&] {
            button.click();
            reportedInside = watcher.texts;
        });
    } else if (entry == "event handler") {
        widget.onClick = handler;
        widget.resize(50, 50);
        widget.show();
        QTimer::singleShot(0, &widget, [&] {
            QTest::mouseClick(&widget, Qt::LeftButton);
            reportedInside = watcher.texts;
        });
    } else if (entry == "timer") {
        QTimer::singleShot(0, qApp, HandlerGuard::guarded(handler));
    } else {
        // Raised inside a modal window's loop, reported there, and every loop ends.
        QTimer::singleShot(0, &nested, [&] {
            QTimer::singleShot(0, &nested, HandlerGuard::guarded(handler));
            nested.exec();
            ++after; // code after a nested loop goes on, as Qt leaves it
        });
    }
    EXEC_COMPARE_EXIT_CODE(kErrorExitCode);
    QCOMPARE(watcher.texts, QStringList{message});
    QCOMPARE(watcher.titles, QStringList{"Ошибка выполнения"});
    QCOMPARE(reportedInside, QStringList());
    QCOMPARE(before, 1);
    QCOMPARE(after, entry == "nested event loop" ? 1 : 0);
    QVERIFY(HandlerGuard::errorRaised());
}

void TestErrorReport::windowHandlerIsAbandonedAtTheError_data()
{
    QTest::addColumn<StateChange>("change");
    QTest::addColumn<WindowAction>("act");
    QTest::addColumn<QString>("message");
    // The band state the window holds after the error, and the codes its strips show.
    QTest::addColumn<StateChange>("expectedChange");
    QTest::addColumn<QList<int>>("shownCodes");

    // Each action reaches the window the way a user or a screen reader does.
    const auto click = [](const char* name) {
        return WindowAction([name](FrmGeneral* window) {
            auto* target = control<QWidget>(window, name);
            clickThroughWindow(target,
                               qobject_cast<QRadioButton*>(target) ? QPoint(8, 6) : QPoint());
        });
    };
    const auto key = [](const char* name) {
        return WindowAction([name](FrmGeneral* window) {
            QTest::keyClick(control<QWidget>(window, name), Qt::Key_Space);
        });
    };
    const auto accessibleAction = [](const char* name, const QString& action) {
        return WindowAction([name, action](FrmGeneral* window) {
            QAccessible::queryAccessibleInterface(control<QWidget>(window, name))
                ->actionInterface()
                ->doAction(action);
        });
    };

    // A colour click with band 5 selected: nothing is stored, nothing redrawn.
    QTest::newRow("subscript: colour click, band 5 selected")
        << StateChange([](BandState& s) { s.CurLine = 5; }) << click("swcColor_3") << kSubscript
        << StateChange([](BandState& s) { s.CurLine = 5; }) << QList<int>{6, 2, 5, 11};
    // Selecting band 2, whose code has no colour button: the band is stored, then the check of
    // its colour fails.
    QTest::newRow("subscript: Space on a band whose code has no button")
        << StateChange([](BandState& s) { s.LineColor[2] = 40; }) << key("picLineColor_2")
        << kSubscript << StateChange([](BandState& s) {
               s.LineColor[2] = 40;
               s.CurLine = 2;
           })
        << QList<int>{6, 2, 5, 11};
    QTest::newRow("subscript: accessible press on a band whose code has no button")
        << StateChange([](BandState& s) { s.LineColor[4] = -1; })
        << accessibleAction("picLineColor_4", QAccessibleActionInterface::pressAction())
        << kSubscript << StateChange([](BandState& s) {
               s.LineColor[4] = -1;
               s.CurLine = 4;
           })
        << QList<int>{6, 2, 5, 11};
    // ShowLines fails on band 3: bands 1 and 2 are redrawn, 3 and 4 keep their old cells.
    QTest::newRow("overflow: colour click, ShowLines stops at band 3")
        << StateChange([](BandState& s) { s.LineColor[3] = -32768; }) << click("swcColor_0")
        << kOverflow << StateChange([](BandState& s) {
               s.LineColor[3] = -32768;
               s.LineColor[1] = 0;
           })
        << QList<int>{0, 2, 5, 11};
    QTest::newRow("floating point: unit click with multiplier 10^400")
        << StateChange([](BandState& s) { s.LineColor[3] = 400; }) << click("btnLimit_0")
        << kFloatingPoint << StateChange([](BandState& s) {
               s.LineColor[3] = 400;
               s.LimitDivisor = 1;
           })
        << QList<int>{6, 2, 5, 11};
    // The colour is stored and all four bands redrawn before ShowResistance fails.
    QTest::newRow("floating point: accessible toggle with multiplier 10^400")
        << StateChange([](BandState& s) { s.LineColor[3] = 400; })
        << accessibleAction("swcColor_7", QAccessibleActionInterface::toggleAction())
        << kFloatingPoint << StateChange([](BandState& s) {
               s.LineColor[3] = 400;
               s.LineColor[1] = 7;
           })
        << QList<int>{7, 2, 400, 11};
}

void TestErrorReport::windowHandlerIsAbandonedAtTheError()
{
    QFETCH(StateChange, change);
    QFETCH(WindowAction, act);
    QFETCH(QString, message);
    QFETCH(StateChange, expectedChange);
    QFETCH(QList<int>, shownCodes);

    FrmGeneral window;
    clickSplashWhenShown();
    window.loadAndShow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    BandState& state = FrmGeneralTestAccess::state(window);
    change(state);
    BandState expected;
    expected.setInitial();
    expectedChange(expected);
    const QString valueText = control<QLabel>(&window, "lblResistor")->text();

    QTimer::singleShot(0, &window, [&] { act(&window); });
    ErrorBoxWatcher watcher;
    EXEC_COMPARE_EXIT_CODE(kErrorExitCode);
    QCOMPARE(watcher.texts, QStringList{message});
    QCOMPARE(state.LineColor, expected.LineColor);
    QCOMPARE(state.CurLine, expected.CurLine);
    QCOMPARE(state.LimitDivisor, expected.LimitDivisor);
    for (int band = 1; band <= 4; ++band) {
        const auto* frame = control<BandFrame>(&window, QString("picLine_%1").arg(band));
        QCOMPARE(frame->picture()->y(), 13 * (shownCodes[band - 1] - 11));
    }
    // No error here happens after the value was shown.
    QCOMPARE(control<QLabel>(&window, "lblResistor")->text(), valueText);
}

void TestErrorReport::errorDuringTheSplashKeepsTheMainWindowHidden()
{
    FrmGeneral window;
    QTimer::singleShot(0, &window, &FrmGeneral::loadAndShow);
    // Some handler fails while the splash window is up.
    QTimer::singleShot(200, qApp, HandlerGuard::guarded([] {
                           QVERIFY(QApplication::activeModalWidget());
                           throw RunTimeError(RunTimeError::Kind::Overflow);
                       }));
    ErrorBoxWatcher watcher;
    EXEC_COMPARE_EXIT_CODE(kErrorExitCode);
    QCOMPARE(watcher.texts, QStringList{kOverflow});
    QCoreApplication::processEvents();
    QVERIFY(!window.isVisible());
    // Loading stopped where the splash window returned: the state was never set.
    QCOMPARE(window.bandState().CurLine, std::int16_t(0));
}

void TestErrorReport::onlyTheFirstErrorIsReported_data()
{
    QTest::addColumn<bool>("secondWhileShown");
    QTest::newRow("second error before the report") << false;
    QTest::newRow("second error while the report is up") << true;
}

void TestErrorReport::onlyTheFirstErrorIsReported()
{
    QFETCH(bool, secondWhileShown);
    const auto failing = [](RunTimeError::Kind kind) {
        return HandlerGuard::guarded([kind] { throw RunTimeError(kind); });
    };
    ErrorBoxWatcher watcher;
    QTimer::singleShot(0, qApp, failing(RunTimeError::Kind::Overflow));
    if (secondWhileShown)
        watcher.whileShown = failing(RunTimeError::Kind::FloatingPoint);
    else
        QTimer::singleShot(0, qApp, failing(RunTimeError::Kind::FloatingPoint));
    EXEC_COMPARE_EXIT_CODE(kErrorExitCode);
    QCOMPARE(watcher.texts, QStringList{kOverflow});
}

int main(int argc, char* argv[])
{
    ResistorApplication app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_error_report.moc"
