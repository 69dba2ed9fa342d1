#pragma once

// Helpers that drive the real windows the way a user does: find controls by their object
// names, click them through the window system, and dismiss the splash window.

#include "frm_general.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <cmath>

// What tests reach inside the main window: states that no click can produce.
class FrmGeneralTestAccess
{
public:
    static BandState& state(FrmGeneral& window) { return window.state_; }
};

// The control with the given object name, or a test failure.
template <typename Control> Control* control(const QWidget* window, const QString& name)
{
    auto* found = window->findChild<Control*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Clicks at `pos` of `target` (by default the middle of its visible part) through the
// top-level window, so that the window system's hit test decides which control receives it,
// as for a real mouse.
inline void clickThroughWindow(QWidget* target, QPoint pos = {})
{
    if (pos.isNull())
        pos = target->visibleRegion().boundingRect().center();
    QWidget* top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, target->mapTo(top, pos));
}

// Clicks the splash window as soon as it is shown (it runs a modal loop of its own).
inline void clickSplashWhenShown()
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("FrmLogo") && w->isVisible()) {
                QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(100, 100));
                poll->deleteLater();
                return;
            }
        }
    });
    poll->start(5);
}

// WCAG 2 contrast ratio of two colours.
inline double relativeLuminance(const QColor& c)
{
    const auto channel = [](double v) {
        v /= 255;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

inline double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where two pictures first differ in their RGB values, or an empty text if they do not.
// (QImage's own comparison also compares colour-space tags, which a grab does not carry.)
inline QString firstDifference(const QImage& seen, const QImage& expected)
{
    if (seen.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(seen.width())
            .arg(seen.height())
            .arg(expected.width())
            .arg(expected.height());
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            if (seen.pixelColor(x, y).rgb() != expected.pixelColor(x, y).rgb())
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(seen.pixelColor(x, y).name(), expected.pixelColor(x, y).name());
    return {};
}

// Makes Qt deliver accessibility events to `handler`, as it does to a screen reader. The
// offscreen platform's accessibility stays inactive until told otherwise.
inline void deliverAccessibilityEventsTo(QAccessible::UpdateHandler handler)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(handler);
}
