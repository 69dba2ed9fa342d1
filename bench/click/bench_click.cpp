// SPDX-License-Identifier: MIT
// Time of one colour click in the main window, from the mouse event to the repainted window.
//
// The window is loaded as at start-up (the splash window is dismissed by a click as soon as it
// shows), then the colour buttons of band 1 are clicked through the top-level window, each a
// different colour from the one before, so that every click moves a band picture and changes
// the value texts. A click is timed from the press until its repaint has been painted, handed
// to the window system and (with QGuiApplication::sync) taken in by the display server.
// Every click is checked to have caused painting.
//
// A second figure times the handler alone (swcColor_Click, with ShowLines and ShowResistance),
// the repaints it schedules coalescing after each round.
#include "frm_general.h"
#include "frm_logo.h"
#include "resistor_application.h"

#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

constexpr int kClicksPerRound = 1000;
constexpr int kDigitColours = 10; // band 1 takes the codes 0..9

// Counts paint events of the main window and its controls.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* window) : window_(window) {}
    long count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            ++count;
        return false;
    }

private:
    QWidget* window_;
};

struct Figures {
    double min, median, max;
};

Figures figures(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

void dismissSplashWhenShown()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* logo = qobject_cast<FrmLogo*>(w); logo && logo->isVisible()) {
                logo->Form_Click();
                poll->deleteLater();
                return;
            }
    });
    poll->start(5);
}

} // namespace

int main(int argc, char* argv[])
{
    ResistorApplication app(argc, argv);
    // The number of rounds may be given, e.g. 1 for a run under a profiler.
    const int kRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    FrmGeneral window;
    dismissSplashWhenShown();
    window.loadAndShow();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_click: the main window was never exposed\n");
        return 1;
    }
    QTest::qWait(200); // let the first paints and the window system settle

    // Where to press each colour button: on its indicator, in window coordinates.
    std::vector<QPoint> at;
    for (int code = 0; code < kDigitColours; ++code) {
        auto* button = window.findChild<QRadioButton*>(QStringLiteral("swcColor_%1").arg(code));
        if (!button || !button->isEnabled()) {
            std::fprintf(stderr, "bench_click: colour button %d missing or disabled\n", code);
            return 1;
        }
        at.push_back(button->mapTo(&window, QPoint(8, button->height() / 2)));
    }
    QWindow* handle = window.windowHandle();
    PaintCounter paints(&window);
    app.installEventFilter(&paints);

    std::vector<double> perClick;
    std::vector<double> roundMeans;
    long clicksWithoutPaint = 0;
    int code = 0;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point roundStart = Clock::now();
        for (int i = 0; i < kClicksPerRound; ++i) {
            code = (code + 1) % kDigitColours;
            const long paintsBefore = paints.count;
            const Clock::time_point start = Clock::now();
            QTest::mouseClick(handle, Qt::LeftButton, {}, at[static_cast<std::size_t>(code)]);
            QCoreApplication::processEvents();
            QGuiApplication::sync();
            perClick.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            if (paints.count == paintsBefore)
                ++clicksWithoutPaint;
        }
        roundMeans.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - roundStart).count() /
            kClicksPerRound);
    }
    const long paintsDuringClicks = paints.count;
    if (window.bandState().LineColor[1] != code) {
        std::fprintf(stderr, "bench_click: the clicks did not reach the colour buttons\n");
        return 1;
    }

    std::vector<double> handlerMeans;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point roundStart = Clock::now();
        for (int i = 0; i < kClicksPerRound; ++i) {
            code = (code + 1) % kDigitColours;
            window.swcColor_Click(static_cast<std::int16_t>(code));
        }
        handlerMeans.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - roundStart).count() /
            kClicksPerRound);
        QCoreApplication::processEvents();
    }

    const Figures rounds = figures(roundMeans);
    const Figures handler = figures(handlerMeans);
    const QString platform = QGuiApplication::platformName();
    std::printf("Colour click in the main window (%s platform), %d rounds of %d clicks\n",
                qPrintable(platform), kRounds, kClicksPerRound);
    std::printf("  %-44s %8s %8s %8s\n", "", "min", "median", "max");
    std::printf("  %-44s %8.1f %8.1f %8.1f  us   (goal < 1000 us: %s)\n",
                "click processed and repainted, round means", rounds.min, rounds.median, rounds.max,
                rounds.max < 1000 ? "met" : "MISSED");
    std::printf("  %-44s %8.1f %8.1f %8.1f  us   (p99 %.1f us)\n", "the same, each of the clicks",
                figures(perClick).min, figures(perClick).median, figures(perClick).max,
                percentile(perClick, 0.99));
    std::printf("  %-44s %8.1f %8.1f %8.1f  us\n", "handler alone, round means", handler.min,
                handler.median, handler.max);
    std::printf("  paint events per click: %.1f; clicks that caused no painting: %ld of %d\n",
                static_cast<double>(paintsDuringClicks) / (kRounds * kClicksPerRound),
                clicksWithoutPaint, kRounds * kClicksPerRound);
    return clicksWithoutPaint == 0 ? 0 : 1;
}
