// SPDX-License-Identifier: MIT
#include "number_text.h"
#include "run_time_error.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

Q_DECLARE_METATYPE(std::string)

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void numberToText_data();
    void numberToText();
    void numberToTextRejectsNonFinite_data();
    void numberToTextRejectsNonFinite();
    void textToNumber_data();
    void textToNumber();
    void textToNumberOverflow_data();
    void textToNumberOverflow();
    void readsBackRoundedTo15Digits_data();
    void readsBackRoundedTo15Digits();
};

void TestNumberText::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::string>("text");

    QTest::newRow("zero") << 0.0 << std::string(" 0");
    QTest::newRow("negative zero") << -0.0 << std::string(" 0");
    QTest::newRow("band number") << 3.0 << std::string(" 3");
    QTest::newRow("negative integer") << -1.0 << std::string("-1");
    QTest::newRow("below one, no leading zero") << 0.62 << std::string(" .62");
    QTest::newRow("47/1000 rounded to 15 digits") << 47.0 / 1000 << std::string(" .047");
    QTest::newRow("0.1+0.2 rounded to 15 digits") << 0.1 + 0.2 << std::string(" .3");
    QTest::newRow("fraction above one") << 4.7 << std::string(" 4.7");
    QTest::newRow("negative fraction") << -0.5 << std::string("-.5");
    QTest::newRow("smallest reachable value") << 1e-6 << std::string(" .000001");
    QTest::newRow("rounds up to 1e-6") << 9.999999999999999e-7 << std::string(" .000001");
    QTest::newRow("1e-5") << 1e-5 << std::string(" .00001");
    QTest::newRow("largest reachable value") << 99e9 << std::string(" 99000000000");
    QTest::newRow("15 digits exactly") << 123456789012345.0 << std::string(" 123456789012345");
    QTest::newRow("16th digit rounds") << 12345678901234.56 << std::string(" 12345678901234.6");
    QTest::newRow("below 1e15, plain") << 999999999999999.0 << std::string(" 999999999999999");
    // Fractions from 1e14 up take the rounding path, not the integer one: still plain digits.
    QTest::newRow("fraction at 1e14, plain")
        << 100000000000000.25 << std::string(" 100000000000000");
    QTest::newRow("fraction below 1e15 rounds to plain")
        << 123456789012345.6 << std::string(" 123456789012346");
    QTest::newRow("negative fraction below 1e15")
        << -999999999999999.4 << std::string("-999999999999999");
    QTest::newRow("fraction above 1e15") << 1000000000000000.5 << std::string(" 1E+15");
    QTest::newRow("16 digits") << 1234567890123456.0 << std::string(" 1.23456789012346E+15");
    QTest::newRow("rounding reaches 1e15") << 999999999999999.6 << std::string(" 1E+15");
    QTest::newRow("1e15") << 1e15 << std::string(" 1E+15");
    QTest::newRow("1e-7") << 1e-7 << std::string(" 1E-07");
    QTest::newRow("mantissa with point") << -2.5e-9 << std::string("-2.5E-09");
    QTest::newRow("three-digit exponent") << 1e100 << std::string(" 1E+100");
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << std::string(" 1.79769313486232E+308");
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << std::string(" 4.94065645841247E-324");
}

void TestNumberText::numberToText()
{
    QFETCH(double, value);
    QFETCH(std::string, text);
    // As QStrings, so that a failure shows both texts.
    QCOMPARE(QString::fromStdString(::numberToText(value)), QString::fromStdString(text));
}

void TestNumberText::numberToTextRejectsNonFinite_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
}

void TestNumberText::numberToTextRejectsNonFinite()
{
    QFETCH(double, value);
    try {
        const std::string text = ::numberToText(value);
        QFAIL(qPrintable(QString("wrote \"%1\"").arg(QString::fromStdString(text))));
    } catch (const RunTimeError& error) {
        QCOMPARE(error.kind(), RunTimeError::Kind::FloatingPoint);
    }
}

void TestNumberText::textToNumber_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("joined digit bands") << std::string(" 6 2") << 62.0;
    QTest::newRow("tabs and line feeds") << std::string("\t4\n7 . 5") << 47.5;
    QTest::newRow("empty") << std::string() << 0.0;
    QTest::newRow("only blanks") << std::string("   ") << 0.0;
    QTest::newRow("no number") << std::string("Om") << 0.0;
    QTest::newRow("sign alone") << std::string("-") << 0.0;
    QTest::newRow("point alone") << std::string(".") << 0.0;
    QTest::newRow("plus sign") << std::string("+5") << 5.0;
    QTest::newRow("two signs") << std::string("--1") << 0.0;
    QTest::newRow("second sign ends the number") << std::string(" -32768 -32768") << -32768.0;
    QTest::newRow("code 10 then 2") << std::string(" 10 2") << 102.0;
    QTest::newRow("leading point") << std::string(".5") << 0.5;
    QTest::newRow("trailing point") << std::string("5.") << 5.0;
    QTest::newRow("second point ends the number") << std::string("1.2.3") << 1.2;
    QTest::newRow("exponent E") << std::string("1.5E+3") << 1500.0;
    QTest::newRow("exponent d, blank inside") << std::string("1d 2") << 100.0;
    QTest::newRow("negative exponent") << std::string("25e-1") << 2.5;
    QTest::newRow("exponent without digits") << std::string("7e") << 7.0;
    QTest::newRow("exponent sign without digits") << std::string("7e+x") << 7.0;
    QTest::newRow("comma is not a point") << std::string("4,7") << 4.0;
    QTest::newRow("hex is not read") << std::string("0x10") << 0.0;
    QTest::newRow("underflow reads as zero") << std::string("1e-400") << 0.0;
    QTest::newRow("huge negative exponent") << std::string("5e-99999999999999999999") << 0.0;
    QTest::newRow("exponent with leading zeros") << std::string("1E00000000005") << 1e5;
    QTest::newRow("negative exponent with leading zeros") << std::string("1E-0000000005") << 1e-5;
    QTest::newRow("exponent of zeros only") << std::string("7E0000000000000") << 7.0;
    QTest::newRow("exponent balances leading zeros")
        << ("0." + std::string(400, '0') + "1e401") << 1.0;
    QTest::newRow("many digits") << ("1" + std::string(300, '0')) << 1e300;
}

void TestNumberText::textToNumber()
{
    QFETCH(std::string, text);
    QFETCH(double, value);
    QCOMPARE(::textToNumber(text), value);
}

void TestNumberText::textToNumberOverflow_data()
{
    QTest::addColumn<std::string>("text");
    QTest::newRow("exponent") << std::string("1e309");
    QTest::newRow("negative, exponent") << std::string("-1e400");
    QTest::newRow("digits") << ("1" + std::string(400, '0'));
    QTest::newRow("huge exponent") << std::string("1e99999999999999999999");
    QTest::newRow("exponent after leading zeros") << std::string("1E0000000000400");
}

void TestNumberText::textToNumberOverflow()
{
    QFETCH(std::string, text);
    try {
        const double value = ::textToNumber(text);
        QFAIL(qPrintable(QString("read %1").arg(value)));
    } catch (const RunTimeError& error) {
        QCOMPARE(error.kind(), RunTimeError::Kind::Overflow);
    }
}

void TestNumberText::readsBackRoundedTo15Digits_data()
{
    QTest::addColumn<double>("value");
    for (double v : {1.0 / 3, 2.0 / 3 * 1e7, 6.02214076e23, -1.602176634e-19, 4.7e-6, 99e9,
                     123456.789, M_PI * 1e-3, 1e-300, -7.0})
        QTest::newRow(qPrintable(QString::number(v, 'g', 17))) << v;
}

void TestNumberText::readsBackRoundedTo15Digits()
{
    QFETCH(double, value);
    const double readBack = ::textToNumber(::numberToText(value));
    QCOMPARE(QString::number(readBack, 'g', 15), QString::number(value, 'g', 15));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
