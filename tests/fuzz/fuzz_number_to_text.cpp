// SPDX-License-Identifier: MIT
// numberToText on any double (the input's first eight bytes). A non-finite value must raise
// the floating-point error. A finite one must give a text of the window's form that holds the
// value rounded to 15 significant digits: strtod and textToNumber both read that value back.
// Where the rounding goes beyond the largest double (magnitudes from 1.797693134862315E+308
// up) there is no such double, and textToNumber must raise the overflow error instead.

#include "fuzz_check.h"
#include "number_text.h"
#include "run_time_error.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

namespace
{

std::string describe(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.17g = %a (bits 0x%016" PRIx64 ")", value, value, bits);
    return buffer;
}

// The magnitude rounded to 15 significant digits, worked out by printf: the digits without
// trailing zeros, the decimal exponent of the first one, and the double nearest to the
// rounded decimal (an infinity when it lies beyond the largest double).
struct Rounded {
    std::string digits;
    int exponent = 0;
    double magnitude = 0;
};

Rounded roundTo15Digits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value)); // d.dddddddddddddde±XX
    const char* e = std::strchr(text, 'e');
    Rounded r;
    r.digits =
        std::string(1, text[0]) + std::string(text + 2, static_cast<std::size_t>(e - (text + 2)));
    while (r.digits.size() > 1 && r.digits.back() == '0')
        r.digits.pop_back();
    r.exponent = std::atoi(e + 1);
    r.magnitude = std::strtod(text, nullptr);
    return r;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What is wrong with the form of `text` for `value`, or nothing.
std::string formFault(double value, const std::string& text, const Rounded& expected)
{
    if (text.size() < 2)
        return "text too short";
    if (text[0] != (value < 0 ? '-' : ' '))
        return value < 0 ? "a negative value must begin with '-'"
                         : "a non-negative value must begin with a blank";
    const std::string body = text.substr(1);
    if (value == 0)
        return body == "0" ? "" : "zero must be written 0";

    const std::size_t e = body.find('E');
    const bool exponentForm = e != std::string::npos;
    if (exponentForm != (expected.exponent < -6 || expected.exponent > 14))
        return exponentForm ? "exponent form inside the plain range"
                            : "plain digits outside the plain range";

    const std::string mantissa = body.substr(0, e);
    if (mantissa.empty())
        return "no digits";
    std::string significant;
    int points = 0;
    for (const char c : mantissa) {
        if (c == '.')
            ++points;
        else if (isDigit(c))
            significant += c;
        else
            return "a character other than a digit or the point";
    }
    if (points > 1)
        return "more than one point";
    if (points == 1 && (mantissa.back() == '0' || mantissa.back() == '.'))
        return "a trailing zero or point after the point";
    if (mantissa[0] == '0')
        return "a leading zero";
    significant.erase(0, significant.find_first_not_of('0'));
    while (significant.size() > 1 && significant.back() == '0')
        significant.pop_back();
    if (significant != expected.digits)
        return "the significant digits should be " + expected.digits;

    if (exponentForm) {
        if (points == 1 && mantissa[1] != '.')
            return "exponent form must have one digit before the point";
        const int magnitude = std::abs(expected.exponent);
        const std::string exponentText = std::string(expected.exponent < 0 ? "E-" : "E+") +
                                         (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
        if (body.substr(e) != exponentText)
            return "the exponent should read " + exponentText;
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    const std::string input = describe(value);

    if (!std::isfinite(value)) {
        try {
            const std::string text = numberToText(value);
            fuzz::fail(input, "non-finite value gave the text " + fuzz::quoted(text));
        } catch (const RunTimeError& e) {
            if (e.kind() != RunTimeError::Kind::FloatingPoint)
                fuzz::fail(input, std::string("non-finite value raised ") + e.what());
        } catch (...) {
            fuzz::fail(input, "non-finite value threw something other than a RunTimeError");
        }
        return 0;
    }

    std::string text;
    try {
        text = numberToText(value);
    } catch (const std::exception& e) {
        fuzz::fail(input, std::string("finite value threw ") + e.what());
    } catch (...) {
        fuzz::fail(input, "finite value threw a non-standard exception");
    }

    const Rounded expected = roundTo15Digits(value);
    const double rounded = value < 0 ? -expected.magnitude : expected.magnitude;
    const std::string fault = formFault(value, text, expected);
    if (!fault.empty())
        fuzz::fail(input, "text " + fuzz::quoted(text) + ": " + fault);

    // strtod skips the leading blank; both sides are infinite where the rounding overflows.
    const double readByStrtod = std::strtod(text.c_str(), nullptr);
    if (readByStrtod != rounded)
        fuzz::fail(input, "text " + fuzz::quoted(text) + " holds " + describe(readByStrtod) +
                              ", rounded to 15 digits the value is " + describe(rounded));

    try {
        const double back = textToNumber(text);
        if (std::isinf(rounded))
            fuzz::fail(input, "text " + fuzz::quoted(text) + " read back as " + describe(back) +
                                  " though it lies beyond the largest double");
        if (back != rounded)
            fuzz::fail(input, "text " + fuzz::quoted(text) + " read back as " + describe(back) +
                                  ", rounded to 15 digits the value is " + describe(rounded));
    } catch (const RunTimeError& e) {
        if (!(e.kind() == RunTimeError::Kind::Overflow && std::isinf(rounded)))
            fuzz::fail(input, "reading back " + fuzz::quoted(text) + " raised " + e.what());
    } catch (...) {
        fuzz::fail(input, "reading back " + fuzz::quoted(text) +
                              " threw something other than a RunTimeError");
    }
    return 0;
}
