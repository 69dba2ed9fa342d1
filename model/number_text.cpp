// SPDX-License-Identifier: MIT
#include "number_text.h"

#include "run_time_error.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace
{

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPlainExponent = -6; // 1e-6 is written in plain digits...
constexpr int kLargestPlainExponent = 14;  // ...and so is everything below 1e15

// A finite non-zero magnitude rounded to 15 significant digits: the digits without trailing
// zeros, and the decimal exponent of the first digit.
struct Decimal {
    std::string digits;
    int exponent;
};

Decimal toDecimal(double magnitude)
{
    // Scientific form with 14 digits after the point: "d.ddddddddddddddde+XX".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');

    Decimal decimal;
    decimal.digits += text[0];
    decimal.digits += text.substr(2, e - 2);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    decimal.exponent);
    return decimal;
}

std::string plainDigits(const Decimal& d)
{
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent < 0)
        return "." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    const int integerDigits = d.exponent + 1;
    if (count <= integerDigits)
        return d.digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    return d.digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
           d.digits.substr(static_cast<std::size_t>(integerDigits));
}

std::string exponentForm(const Decimal& d)
{
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    return text + std::to_string(magnitude);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string numberToText(double value)
{
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Kind::FloatingPoint);
    if (value == 0)
        return " 0";
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        // Integers below 1e15 have at most 15 digits: write them directly, which is what the
        // general path would give, only faster (the two digit bands take this path).
        char buffer[24];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(magnitude)).ptr;
        return (value < 0 ? "-" : " ") + std::string(buffer, end);
    }
    const Decimal d = toDecimal(magnitude);
    const bool plain = d.exponent >= kSmallestPlainExponent && d.exponent <= kLargestPlainExponent;
    return (value < 0 ? "-" : " ") + (plain ? plainDigits(d) : exponentForm(d));
}

double textToNumber(std::string_view text)
{
    std::string compact;
    for (char c : text)
        if (!isBlank(c))
            compact += c;

    // The longest prefix of the form [+-]digits[.digits][(E|D)[+-]digits], rewritten in the
    // form std::from_chars reads: no leading '+', 'e' for the exponent.
    std::string number;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return k < compact.size() ? compact[k] : '\0'; };
    if (at(i) == '-')
        number += compact[i++];
    else if (at(i) == '+')
        ++i;
    int mantissaDigits = 0;
    bool seenNonZero = false, seenPoint = false;
    int integerDigits = 0, leadingFractionZeros = 0;
    for (;; ++i) {
        const char c = at(i);
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c)) {
            ++mantissaDigits;
            if (!seenPoint && (seenNonZero || c != '0'))
                ++integerDigits;
            if (c != '0')
                seenNonZero = true;
            else if (seenPoint && !seenNonZero)
                ++leadingFractionZeros;
        } else {
            break;
        }
        number += c;
    }
    if (mantissaDigits == 0)
        return 0;
    long long exponent = 0;
    const char marker = at(i);
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        std::size_t k = i + 1;
        const bool negative = at(k) == '-';
        if (at(k) == '-' || at(k) == '+')
            ++k;
        if (isDigit(at(k))) {
            std::string exponentDigits;
            for (; isDigit(at(k)); ++k) {
                // Leading zeros say nothing; beyond ten digits the exponent only decides
                // between overflow and underflow.
                if ((exponentDigits.empty() && compact[k] == '0') || exponentDigits.size() >= 10)
                    continue;
                exponentDigits += compact[k];
            }
            std::from_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(),
                            exponent);
            if (negative)
                exponent = -exponent;
            number += "e" + std::to_string(exponent);
        }
    }
    if (!seenNonZero)
        return number[0] == '-' ? -0.0 : 0.0;

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal order of the first significant
        // digit tells which.
        const int firstSignificant =
            integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
        if (firstSignificant + exponent > 0)
            throw RunTimeError(RunTimeError::Kind::Overflow);
        return number[0] == '-' ? -0.0 : 0.0;
    }
    return value;
}
