// SPDX-License-Identifier: MIT
#pragma once

// Helpers that drive the real windows the way a user does: find controls by their object
// names, click them through the window system, and dismiss the splash window.

#include "frm_general.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <array>

// What tests reach inside the main window: states that no click can produce.
class FrmGeneralTestAccess
{
public:
    static BandState& state(FrmGeneral& window) { return window.state_; }
};

// Where a band picture's top stands in its frame, in frame heights (strip cells).
inline float pictureTopInCells(const QWidget* picture)
{
    return static_cast<float>(picture->y()) / static_cast<float>(picture->parentWidget()->height());
}

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

// Loads and shows the main window as the program does, clicking its splash away as soon as it is
// shown; true once the main window is exposed.
inline bool showMainWindow(FrmGeneral& window)
{
    clickSplashWhenShown();
    window.loadAndShow();
    return QTest::qWaitForWindowExposed(&window);
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

// The texts the window must show for a band state that clicks can reach (bands 1 to 3 black to
// white, the three units), worked out here without the program's number conversions: the
// digits times 10 to the multiplier, divided by the unit's divisor in exact decimal arithmetic.
struct ExpectedTexts {
    QString value;
    QString unitAndTolerance;
};

inline ExpectedTexts expectedTexts(const BandState& state)
{
    for (int band = 1; band <= 3; ++band)
        if (state.LineColor[band] < 0 || state.LineColor[band] > 9)
            qFatal("band %d has code %d, which no click gives", band, state.LineColor[band]);
    int divisorDigits = 0;
    const char* unit = nullptr;
    switch (state.LimitDivisor) {
    case 1:
        unit = "Om";
        break;
    case 1000:
        unit = "kOm";
        divisorDigits = 3;
        break;
    case 1000000:
        unit = "mOm";
        divisorDigits = 6;
        break;
    default:
        qFatal("divisor %d is no unit", state.LimitDivisor);
    }
    // All digits of digits × 10^multiplier, then the point put divisorDigits from the right.
    const int twoDigits = 10 * state.LineColor[1] + state.LineColor[2];
    QString value;
    if (twoDigits == 0) {
        value = QStringLiteral(" 0");
    } else {
        const QString digits =
            (QString::number(twoDigits) + QString(state.LineColor[3], QLatin1Char('0')))
                .rightJustified(divisorDigits + 1, QLatin1Char('0'));
        const QString whole = digits.left(digits.size() - divisorDigits);
        QString fraction = digits.right(divisorDigits);
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        // Below 1 the text starts "0." without a blank; from 1 on, a blank stands for the sign.
        value = (whole == QLatin1String("0") ? QStringLiteral("0") : QLatin1Char(' ') + whole) +
                (fraction.isEmpty() ? QString() : QLatin1Char('.') + fraction);
    }
    const QString tolerance =
        state.LineColor[4] == 10 ? QStringLiteral("±10%") : QStringLiteral("±5%");
    return {value, QString::fromLatin1(unit) + QLatin1Char(' ') + tolerance};
}

// The main window's display, looked up once, compared with its band state: the band pictures
// with LineColor, the checked colour and lblLine with CurLine, the enabled colours with the band
// kind, both value labels with the texts worked out above. An empty text means they agree.
class DisplayAgreement
{
public:
    explicit DisplayAgreement(FrmGeneral* window) : window_(window)
    {
        for (int band = 1; band <= 4; ++band)
            pictures_[band] = control<QWidget>(window, QStringLiteral("picLineColor_%1").arg(band));
        for (int code = 0; code < 12; ++code)
            colours_[code] =
                control<QAbstractButton>(window, QStringLiteral("swcColor_%1").arg(code));
        lblLine_ = control<QLabel>(window, QStringLiteral("lblLine"));
        lblResistor_ = control<QLabel>(window, QStringLiteral("lblResistor"));
        lblLimit_ = control<QLabel>(window, QStringLiteral("lblLimit"));
    }

    QString disagreement() const
    {
        const BandState& state = window_->bandState();
        // One strip cell is 13 px; gold (11) is the top cell.
        for (int band = 1; band <= 4; ++band)
            if (pictures_[band]->y() != 13 * (state.LineColor[band] - 11))
                return QStringLiteral("band picture %1").arg(band);
        for (int code = 0; code < 12; ++code) {
            if (colours_[code]->isChecked() != (code == state.LineColor[state.CurLine]))
                return QStringLiteral("checked colour %1").arg(code);
            if (colours_[code]->isEnabled() != (state.CurLine == 4 ? code >= 10 : code <= 9))
                return QStringLiteral("enabled colour %1").arg(code);
        }
        if (lblLine_->text() != QStringLiteral("Метка %1").arg(state.CurLine))
            return QStringLiteral("lblLine");
        const ExpectedTexts texts = expectedTexts(state);
        if (lblResistor_->text() != texts.value)
            return QStringLiteral("lblResistor shows \"%1\", not \"%2\"")
                .arg(lblResistor_->text(), texts.value);
        if (lblLimit_->text() != texts.unitAndTolerance)
            return QStringLiteral("lblLimit shows \"%1\", not \"%2\"")
                .arg(lblLimit_->text(), texts.unitAndTolerance);
        return {};
    }

private:
    FrmGeneral* window_;
    std::array<QWidget*, 5> pictures_{};
    std::array<QAbstractButton*, 12> colours_{};
    QLabel* lblLine_ = nullptr;
    QLabel* lblResistor_ = nullptr;
    QLabel* lblLimit_ = nullptr;
};
