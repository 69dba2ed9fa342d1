// SPDX-License-Identifier: MIT
// Seeded random clicks anywhere a user can click, and the actions a screen reader or switch
// device takes: band pictures, the uncovered right column of the band frames, anywhere in the
// enabled and disabled colour rows, toggle actions on the colours, press actions on the bands,
// unit buttons, labels, the panel and the background. After every step the window's state
// equals the state the steps should have produced, and the display agrees with that state, its
// texts worked out by the test itself.
#include "band_frame.h"
#include "colour_code.h"
#include "frm_general.h"
#include "window_driver.h"

#include <QRandomGenerator>
#include <QtTest>

namespace
{

enum class Target {
    BandPicture,
    FrameRightColumn,
    ColourButton,
    ColourToggle,
    BandPress,
    UnitButton,
    Inert
};

struct Click {
    Target target;
    int index;    // band, colour code or unit index
    QString name; // the control clicked or acted on
    QPoint pos;   // in the control
};

} // namespace

class TestRandomClicks : public QObject
{
    Q_OBJECT

private slots:
    void displayFollowsState();

private:
    Click randomClick(QRandomGenerator& random) const;
    void perform(const Click& click);
    // Controls looked up once: a hundred thousand clicks make every lookup count.
    template <typename Control> Control* find(const QString& name) const
    {
        QWidget*& found = controls[name];
        if (!found)
            found = name == QLatin1String("FrmGeneral") ? window : control<QWidget>(window, name);
        return static_cast<Control*>(found);
    }
    FrmGeneral* window = nullptr;
    mutable QHash<QString, QWidget*> controls;
};

Click TestRandomClicks::randomClick(QRandomGenerator& random) const
{
    static const int units[] = {0, 3, 6};
    static const char* inert[] = {"lblResistor", "lblLimit", "lblLine", "Picture1", "FrmGeneral"};
    switch (random.bounded(8)) {
    case 0: {
        const int band = random.bounded(1, 5);
        // Anywhere on the visible cell except the frame's own right column.
        const auto* picture = find<QWidget>(QString("picLineColor_%1").arg(band));
        return {Target::BandPicture, band, picture->objectName(),
                QPoint(random.bounded(54), -picture->y() + random.bounded(13))};
    }
    case 1: {
        const int band = random.bounded(1, 5);
        return {Target::FrameRightColumn, band, QString("picLine_%1").arg(band),
                QPoint(54, random.bounded(13))};
    }
    case 2:
    case 3: {
        // Anywhere in the colour's row, past its caption too.
        const int code = random.bounded(12);
        return {Target::ColourButton, code, QString("swcColor_%1").arg(code),
                QPoint(random.bounded(93), random.bounded(13))};
    }
    case 4: {
        const int code = random.bounded(12);
        return {Target::ColourToggle, code, QString("swcColor_%1").arg(code), {}};
    }
    case 5: {
        const int band = random.bounded(1, 5);
        return {Target::BandPress, band, QString("picLineColor_%1").arg(band), {}};
    }
    case 6: {
        const int unit = units[random.bounded(3)];
        return {Target::UnitButton, unit, QString("btnLimit_%1").arg(unit),
                QPoint(5 + random.bounded(75), 5 + random.bounded(23))};
    }
    default: {
        // Places that take no click: labels, the bare panel below the colours, the background.
        const QString name = inert[random.bounded(5)];
        const QPoint pos = name == "Picture1" ? QPoint(4 + random.bounded(117), 240)
                           : name == "FrmGeneral"
                               ? QPoint(260 + random.bounded(140), 200)
                               : QPoint(2 + random.bounded(80), 2 + random.bounded(10));
        return {Target::Inert, 0, name, pos};
    }
    }
}

void TestRandomClicks::perform(const Click& click)
{
    QWidget* target = find<QWidget>(click.name);
    switch (click.target) {
    case Target::ColourToggle:
        QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        break;
    case Target::BandPress:
        QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        break;
    default:
        clickThroughWindow(target, click.pos);
        break;
    }
}

void TestRandomClicks::displayFollowsState()
{
    const int clicks = qEnvironmentVariableIntValue("RESISTOR_RANDOM_CLICKS") > 0
                           ? qEnvironmentVariableIntValue("RESISTOR_RANDOM_CLICKS")
                           : 2000;
    const quint32 seed = qEnvironmentVariableIsSet("RESISTOR_RANDOM_SEED")
                             ? quint32(qEnvironmentVariableIntValue("RESISTOR_RANDOM_SEED"))
                             : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);

    FrmGeneral shown;
    window = &shown;
    QVERIFY(showMainWindow(shown));
    const DisplayAgreement display(&shown);

    BandState expected;
    expected.setInitial();
    for (int i = 0; i < clicks; ++i) {
        const Click click = randomClick(random);
        perform(click);
        switch (click.target) {
        case Target::BandPicture:
        case Target::BandPress:
            expected.CurLine = std::int16_t(click.index);
            break;
        case Target::ColourButton:
        case Target::ColourToggle:
            if (isOfferedForBand(click.index, expected.CurLine))
                expected.LineColor[expected.CurLine] = std::int16_t(click.index);
            break;
        case Target::UnitButton:
            expected.LimitDivisor = click.index == 0 ? 1 : click.index == 3 ? 1000 : 1000000;
            break;
        case Target::FrameRightColumn:
        case Target::Inert:
            break;
        }
        const BandState& state = shown.bandState();
        const QString wrong = state.LineColor != expected.LineColor ||
                                      state.CurLine != expected.CurLine ||
                                      state.LimitDivisor != expected.LimitDivisor
                                  ? QStringLiteral("the band state")
                                  : display.disagreement();
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(QString("seed %1, step %2 on %3 at (%4, %5): %6 "
                                    "disagrees (rerun with RESISTOR_RANDOM_SEED=%1)")
                                .arg(seed)
                                .arg(i)
                                .arg(click.name)
                                .arg(click.pos.x())
                                .arg(click.pos.y())
                                .arg(wrong)));
    }
    qInfo("%d clicks, seed %u", clicks, seed);
}

QTEST_MAIN(TestRandomClicks)
#include "test_random_clicks.moc"
