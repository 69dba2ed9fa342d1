// SPDX-License-Identifier: MIT
// textToNumber on any bytes: it must never crash, raise only the overflow error, never give
// NaN or an infinity, ignore blanks, tabs and line feeds wherever they stand, and read the
// same number as the C library's strtod reads from the same text.

#include "fuzz_check.h"
#include "number_text.h"
#include "run_time_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

namespace
{

// One reading: a number, or the overflow error.
struct Reading {
    bool overflow = false;
    double value = 0;
};

bool operator==(const Reading& a, const Reading& b)
{
    if (a.overflow || b.overflow)
        return a.overflow == b.overflow;
    // Bit-for-bit apart from NaN payloads: -0 and +0 must agree too.
    return a.value == b.value && std::signbit(a.value) == std::signbit(b.value);
}

std::string describe(const Reading& r)
{
    if (r.overflow)
        return "overflow error";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a)", r.value, r.value);
    return buffer;
}

std::string input; // the bytes under test, for the reports

Reading read(std::string_view text)
{
    Reading r;
    try {
        r.value = textToNumber(text);
    } catch (const RunTimeError& e) {
        if (e.kind() != RunTimeError::Kind::Overflow)
            fuzz::fail(fuzz::quoted(input),
                       "reading " + fuzz::quoted(text) + " raised " + e.what());
        r.overflow = true;
    } catch (const std::exception& e) {
        fuzz::fail(fuzz::quoted(input), "reading " + fuzz::quoted(text) + " threw " + e.what());
    } catch (...) {
        fuzz::fail(fuzz::quoted(input),
                   "reading " + fuzz::quoted(text) + " threw a non-standard exception");
    }
    return r;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool mayBelongToNumber(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' ||
           c == 'd' || c == 'D';
}

// The same text read by strtod (the process runs in the C locale, so the point is "."). The
// blanks are dropped and the text is cut at the first character that can belong to no number,
// which also keeps strtod from reading what the window never accepts: hexadecimal, "inf",
// "nan", leading white space other than blanks. A D exponent is written as E.
Reading readWithStrtod(std::string_view text)
{
    std::string c;
    for (const char ch : text) {
        if (isBlank(ch))
            continue;
        if (!mayBelongToNumber(ch))
            break;
        c += (ch == 'd' || ch == 'D') ? 'e' : ch;
    }
    Reading r;
    r.value = std::strtod(c.c_str(), nullptr);
    if (std::isinf(r.value)) {
        r.overflow = true;
        r.value = 0;
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    input.assign(reinterpret_cast<const char*>(data), size);
    const Reading original = read(input);
    if (!original.overflow && !std::isfinite(original.value))
        fuzz::fail(fuzz::quoted(input), "read as " + describe(original));

    // All blanks removed.
    std::string compact;
    for (const char c : input)
        if (!isBlank(c))
            compact += c;
    const Reading withoutBlanks = read(compact);
    if (!(withoutBlanks == original))
        fuzz::fail(fuzz::quoted(input), "read as " + describe(original) + ", but without blanks " +
                                            fuzz::quoted(compact) + " as " +
                                            describe(withoutBlanks));

    // A blank, tab or line feed after every character, the kind taken in turn from the input.
    std::string spread;
    static const char kBlanks[] = {' ', '\t', '\n'};
    for (std::size_t i = 0; i < input.size(); ++i) {
        spread += input[i];
        spread += kBlanks[static_cast<unsigned char>(input[i]) % 3];
    }
    const Reading withMoreBlanks = read(spread);
    if (!(withMoreBlanks == original))
        fuzz::fail(fuzz::quoted(input), "read as " + describe(original) + ", but with blanks " +
                                            fuzz::quoted(spread) + " as " +
                                            describe(withMoreBlanks));

    const Reading expected = readWithStrtod(input);
    if (!(expected == original))
        fuzz::fail(fuzz::quoted(input),
                   "read as " + describe(original) + ", strtod reads " + describe(expected));
    return 0;
}
