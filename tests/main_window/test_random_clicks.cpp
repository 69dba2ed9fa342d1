// Seeded random clicks anywhere a user can click: band pictures, the uncovered right column of
// the band frames, enabled and disabled colour buttons, unit buttons, labels, the panel and
// the background. After every click the window's state equals the state the clicks should
// have produced, and the display agrees with that state.
#include "band_frame.h"
#include "colour_code.h"
#include "frm_general.h"
#include "resistance_texts.h"
#include "window_driver.h"

#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QtTest>

namespace
{

enum class Target { BandPicture, FrameRightColumn, ColourButton, UnitButton, Inert };

struct Click {
    Target target;
    int index;    // band, colour code or unit index
    QString name; // the control clicked
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
    QString disagreement(const BandState& expected) const;
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
    switch (random.bounded(6)) {
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
        const int code = random.bounded(12);
        return {Target::ColourButton, code, QString("swcColor_%1").arg(code),
                QPoint(4 + random.bounded(9), 2 + random.bounded(9))};
    }
    case 4: {
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

QString TestRandomClicks::disagreement(const BandState& expected) const
{
    const BandState& state = window->bandState();
    if (state.LineColor != expected.LineColor || state.CurLine != expected.CurLine ||
        state.LimitDivisor != expected.LimitDivisor)
        return "state";
    for (int band = 1; band <= 4; ++band) {
        const auto* frame = find<BandFrame>(QString("picLine_%1").arg(band));
        if (frame->picture()->y() != 13 * (state.LineColor[band] - 11))
            return QString("band picture %1").arg(band);
    }
    for (int code = 0; code < 12; ++code) {
        const auto* button = find<QRadioButton>(QString("swcColor_%1").arg(code));
        if (button->isChecked() != (code == state.LineColor[state.CurLine]))
            return QString("checked colour %1").arg(code);
        if (button->isEnabled() != isOfferedForBand(code, state.CurLine))
            return QString("enabled colour %1").arg(code);
    }
    if (find<QLabel>("lblLine")->text() != QString("Метка %1").arg(state.CurLine))
        return "lblLine";
    const ResistanceTexts texts = resistanceTexts(state);
    if (find<QLabel>("lblResistor")->text() != QString::fromStdString(texts.value))
        return "lblResistor";
    if (find<QLabel>("lblLimit")->text() != QString::fromStdString(texts.unitAndTolerance))
        return "lblLimit";
    return {};
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
    clickSplashWhenShown();
    shown.loadAndShow();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    BandState expected;
    expected.setInitial();
    for (int i = 0; i < clicks; ++i) {
        const Click click = randomClick(random);
        QWidget* target = find<QWidget>(click.name);
        clickThroughWindow(target, click.pos);
        switch (click.target) {
        case Target::BandPicture:
            expected.CurLine = std::int16_t(click.index);
            break;
        case Target::ColourButton:
            if (isOfferedForBand(click.index, expected.CurLine))
                expected.LineColor[expected.CurLine] = std::int16_t(click.index);
            break;
        case Target::UnitButton:
            expected.setUnit(std::int16_t(click.index));
            break;
        case Target::FrameRightColumn:
        case Target::Inert:
            break;
        }
        const QString wrong = disagreement(expected);
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(QString("seed %1, click %2 on %3 at (%4, %5): %6 "
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
