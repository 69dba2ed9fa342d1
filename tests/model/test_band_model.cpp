// SPDX-License-Identifier: MIT
#include "band_state.h"
#include "colour_code.h"
#include "resistance_texts.h"
#include "run_time_error.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(RunTimeError::Kind)

namespace
{

// A locale that writes a decimal comma. The C runtime of Windows names its locales differently.
#ifdef _WIN32
const char kRussianLocale[] = "Russian_Russia.1251";
#else
const char kRussianLocale[] = "ru_RU.UTF-8";
#endif

BandState stateOf(int first, int second, int multiplier, int tolerance, std::int32_t divisor)
{
    BandState state;
    state.LineColor = {0, static_cast<std::int16_t>(first), static_cast<std::int16_t>(second),
                       static_cast<std::int16_t>(multiplier), static_cast<std::int16_t>(tolerance)};
    state.CurLine = 1;
    state.LimitDivisor = divisor;
    return state;
}

QString shown(const std::string& text)
{
    return '"' + QString::fromStdString(text) + '"';
}

} // namespace

class TestBandModel : public QObject
{
    Q_OBJECT

private slots:
    void colourTable();
    void initialState();
    void setColourStoresIntoSelectedBandOnly_data();
    void setColourStoresIntoSelectedBandOnly();
    void setColourOutsideBoundsStoresNothing_data();
    void setColourOutsideBoundsStoresNothing();
    void setUnit_data();
    void setUnit();
    void setUnitOverflowStoresNothing();
    void texts_data();
    void texts();
    void textErrors_data();
    void textErrors();
    void everyReachableState();
};

void TestBandModel::colourTable()
{
    const char* names[kColourCount] = {"Черный", "Коричневый", "Красный",     "Оранжевый",
                                       "Желтый", "Зеленый",    "Голубой",     "Сиреневый",
                                       "Серый",  "Белый",      "Серебристый", "Золотой"};
    for (int code = 0; code < kColourCount; ++code) {
        QCOMPARE(QString::fromUtf8(colourCode(code).name), QString::fromUtf8(names[code]));
        for (int band = 1; band <= kBandCount; ++band) {
            const bool expected = band == 4 ? code >= 10 : code <= 9;
            QVERIFY2(isOfferedForBand(code, band) == expected,
                     qPrintable(QString("code %1, band %2").arg(code).arg(band)));
        }
    }
    QVERIFY_THROWS_EXCEPTION(RunTimeError, colourCode(12));
    QVERIFY_THROWS_EXCEPTION(RunTimeError, colourCode(-1));
}

void TestBandModel::initialState()
{
    BandState state;
    state.setInitial();
    const std::array<std::int16_t, 5> expected = {0, 6, 2, 5, 11};
    QVERIFY(state.LineColor == expected);
    QCOMPARE(state.CurLine, std::int16_t(1));
    QCOMPARE(state.LimitDivisor, 1000);
    QCOMPARE(resistanceTexts(state).value, std::string(" 6200"));
    QCOMPARE(resistanceTexts(state).unitAndTolerance, std::string("kOm ±5%"));
}

void TestBandModel::setColourStoresIntoSelectedBandOnly_data()
{
    QTest::addColumn<int>("band");
    for (int band = 1; band <= 4; ++band)
        QTest::addRow("band %d", band) << band;
}

void TestBandModel::setColourStoresIntoSelectedBandOnly()
{
    QFETCH(int, band);
    BandState state;
    state.setInitial();
    std::array<std::int16_t, 5> expected = state.LineColor;
    state.selectBand(static_cast<std::int16_t>(band));
    state.setColour(kSilver);
    expected[static_cast<std::size_t>(band)] = kSilver;
    QVERIFY(state.LineColor == expected);
    QCOMPARE(state.currentColour(), std::int16_t(kSilver));
    QCOMPARE(state.LineColor[0], std::int16_t(0));
}

void TestBandModel::setColourOutsideBoundsStoresNothing_data()
{
    QTest::addColumn<int>("band");
    QTest::newRow("5") << 5;
    QTest::newRow("-1") << -1;
    QTest::newRow("32767") << 32767;
    QTest::newRow("-32768") << -32768;
}

void TestBandModel::setColourOutsideBoundsStoresNothing()
{
    QFETCH(int, band);
    BandState state;
    state.setInitial();
    const BandState before = state;
    state.selectBand(static_cast<std::int16_t>(band));
    try {
        state.setColour(3);
        QFAIL("stored a colour outside the bands");
    } catch (const RunTimeError& error) {
        QCOMPARE(error.kind(), RunTimeError::Kind::SubscriptOutOfRange);
    }
    QVERIFY(state.LineColor == before.LineColor);
    QVERIFY_THROWS_EXCEPTION(RunTimeError, state.currentColour());
}

void TestBandModel::setUnit_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("divisor");
    QTest::newRow("Om") << 0 << 1;
    QTest::newRow("kOm") << 3 << 1000;
    QTest::newRow("mOm") << 6 << 1000000;
    QTest::newRow("largest that fits") << 9 << 1000000000;
    QTest::newRow("0.1 rounds to 0") << -1 << 0;
    QTest::newRow("most negative index") << -32768 << 0;
}

void TestBandModel::setUnit()
{
    QFETCH(int, index);
    QFETCH(int, divisor);
    BandState state;
    state.setInitial();
    state.setUnit(static_cast<std::int16_t>(index));
    QCOMPARE(state.LimitDivisor, divisor);
}

void TestBandModel::setUnitOverflowStoresNothing()
{
    for (std::int16_t index : {std::int16_t(10), std::int16_t(400), std::int16_t(32767)}) {
        BandState state;
        state.setInitial();
        try {
            state.setUnit(index);
            QFAIL(qPrintable(QString("index %1 stored %2").arg(index).arg(state.LimitDivisor)));
        } catch (const RunTimeError& error) {
            QCOMPARE(error.kind(), RunTimeError::Kind::Overflow);
        }
        QCOMPARE(state.LimitDivisor, 1000);
    }
}

void TestBandModel::texts_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<std::string>("value");
    QTest::addColumn<std::string>("unitAndTolerance");

    QTest::newRow("initial") << 6 << 2 << 5 << 11 << 1000 << std::string(" 6200")
                             << std::string("kOm ±5%");
    QTest::newRow("4.7 kOm") << 4 << 7 << 2 << 11 << 1000 << std::string(" 4.7")
                             << std::string("kOm ±5%");
    QTest::newRow("below one: patched")
        << 1 << 0 << 0 << 11 << 1000 << std::string("0.01") << std::string("kOm ±5%");
    QTest::newRow("4.7 kOm in mOm")
        << 4 << 7 << 2 << 11 << 1000000 << std::string("0.0047") << std::string("mOm ±5%");
    QTest::newRow("47 Om in kOm") << 4 << 7 << 0 << 11 << 1000 << std::string("0.047")
                                  << std::string("kOm ±5%");
    QTest::newRow("smallest: 10 Om in mOm")
        << 1 << 0 << 0 << 11 << 1000000 << std::string("0.00001") << std::string("mOm ±5%");
    QTest::newRow("zero keeps its blank")
        << 0 << 0 << 7 << 11 << 1000 << std::string(" 0") << std::string("kOm ±5%");
    QTest::newRow("largest, plain digits")
        << 9 << 9 << 9 << 11 << 1 << std::string(" 99000000000") << std::string("Om ±5%");
    QTest::newRow("10 Om") << 1 << 0 << 0 << 11 << 1 << std::string(" 10") << std::string("Om ±5%");
    QTest::newRow("silver") << 1 << 0 << 0 << 10 << 1000000 << std::string("0.00001")
                            << std::string("mOm ±10%");
    QTest::newRow("any non-silver code is ±5%")
        << 1 << 0 << 0 << 3 << 1 << std::string(" 10") << std::string("Om ±5%");
    QTest::newRow("other divisor: no unit")
        << 6 << 2 << 1 << 10 << 10 << std::string(" 62") << std::string("±10%");
    QTest::newRow("code 10 then 2 reads 102")
        << 10 << 2 << 0 << 11 << 1 << std::string(" 102") << std::string("Om ±5%");
    QTest::newRow("negative first code")
        << -1 << 2 << 0 << 11 << 1 << std::string("-12") << std::string("Om ±5%");
    QTest::newRow("negative divisor")
        << 6 << 2 << 0 << 11 << -1 << std::string("-62") << std::string("±5%");
    QTest::newRow("tiny multiplier underflows to 0")
        << 6 << 2 << -400 << 11 << 1 << std::string(" 0") << std::string("Om ±5%");
    QTest::newRow("beyond plain digits")
        << 9 << 9 << 20 << 11 << 1 << std::string(" 9.9E+21") << std::string("Om ±5%");
}

void TestBandModel::texts()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, multiplier);
    QFETCH(int, tolerance);
    QFETCH(int, divisor);
    QFETCH(std::string, value);
    QFETCH(std::string, unitAndTolerance);

    const ResistanceTexts texts =
        resistanceTexts(stateOf(first, second, multiplier, tolerance, divisor));
    QCOMPARE(shown(texts.value), shown(value));
    QCOMPARE(shown(texts.unitAndTolerance), shown(unitAndTolerance));
}

void TestBandModel::textErrors_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("divisorIndex");
    QTest::addColumn<RunTimeError::Kind>("kind");

    // The divisor comes through setUnit, as a unit button would set it.
    QTest::newRow("index -1: divisor 0") << 5 << -1 << RunTimeError::Kind::FloatingPoint;
    QTest::newRow("multiplier 400: infinity") << 400 << 3 << RunTimeError::Kind::FloatingPoint;
    QTest::newRow("index 10: overflow") << 5 << 10 << RunTimeError::Kind::Overflow;
}

void TestBandModel::textErrors()
{
    QFETCH(int, multiplier);
    QFETCH(int, divisorIndex);
    QFETCH(RunTimeError::Kind, kind);

    BandState state;
    state.setInitial();
    state.LineColor[3] = static_cast<std::int16_t>(multiplier);
    try {
        state.setUnit(static_cast<std::int16_t>(divisorIndex));
        const ResistanceTexts texts = resistanceTexts(state);
        QFAIL(qPrintable("produced " + shown(texts.value) + " " + shown(texts.unitAndTolerance)));
    } catch (const RunTimeError& error) {
        QCOMPARE(error.kind(), kind);
    }

    // Zero digits times an infinite multiplier is an invalid operation, not a zero.
    state = stateOf(0, 0, 400, 11, 1);
    QVERIFY_THROWS_EXCEPTION(RunTimeError, resistanceTexts(state));
}

// Every state the window can reach: each text reads back to its value, is written in plain
// digits without trailing zeros, and does not depend on the process locale.
void TestBandModel::everyReachableState()
{
    std::vector<BandState> states;
    for (int first = 0; first <= 9; ++first)
        for (int second = 0; second <= 9; ++second)
            for (int multiplier = 0; multiplier <= 9; ++multiplier)
                for (int tolerance : {kSilver, kGold})
                    for (const DisplayUnit& unit : kDisplayUnits)
                        states.push_back(
                            stateOf(first, second, multiplier, tolerance, unit.divisor));

    QVERIFY(std::setlocale(LC_ALL, "C"));
    std::vector<ResistanceTexts> inC;
    for (const BandState& state : states)
        inC.push_back(resistanceTexts(state));

    QVERIFY2(std::setlocale(LC_ALL, kRussianLocale),
             qPrintable(QString("the %1 locale is not installed").arg(kRussianLocale)));
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    QCOMPARE(QByteArray(probe), QByteArray("2,5")); // the C library now writes a decimal comma
    for (std::size_t i = 0; i < states.size(); ++i) {
        const BandState& s = states[i];
        const ResistanceTexts texts = resistanceTexts(s);
        const QString where = QString("%1 %2 %3 %4 / %5: ")
                                  .arg(s.LineColor[1])
                                  .arg(s.LineColor[2])
                                  .arg(s.LineColor[3])
                                  .arg(s.LineColor[4])
                                  .arg(s.LimitDivisor);
        QVERIFY2(texts.value == inC[i].value && texts.unitAndTolerance == inC[i].unitAndTolerance,
                 qPrintable(where + "differs under the Russian locale: " + shown(texts.value)));

        const QString value = QString::fromStdString(texts.value);
        const double expected = (10.0 * s.LineColor[1] + s.LineColor[2]) *
                                std::pow(10.0, s.LineColor[3]) / s.LimitDivisor;
        bool ok = false;
        const double readBack = value.toDouble(&ok);
        QVERIFY2(ok, qPrintable(where + shown(texts.value)));
        QVERIFY2(std::fabs(readBack - expected) <= 1e-12 * expected,
                 qPrintable(where + shown(texts.value)));
        QVERIFY2(!value.contains('E'), qPrintable(where + shown(texts.value)));
        QVERIFY2(!value.contains('.') || !value.endsWith('0'),
                 qPrintable(where + shown(texts.value)));
        if (expected >= 1 || expected == 0)
            QVERIFY2(value.startsWith(' ') && value[1] != ' ',
                     qPrintable(where + shown(texts.value)));
        else
            QVERIFY2(value.startsWith("0.") && !value.endsWith(' '),
                     qPrintable(where + shown(texts.value)));
    }
    std::setlocale(LC_ALL, "C");
}

QTEST_GUILESS_MAIN(TestBandModel)
#include "test_band_model.moc"
