// SPDX-License-Identifier: MIT
#pragma once

// Reporting for the fuzz targets. A broken property prints what was fed in and what came out,
// then aborts: libFuzzer saves the input as a crash file and the run fails.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz
{

// The bytes as a C string literal, so a failing input can be pasted into a unit test.
inline std::string quoted(std::string_view bytes)
{
    static const char hex[] = "0123456789abcdef";
    std::string text = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (c == '\t') {
            text += "\\t";
        } else if (c == '\n') {
            text += "\\n";
        } else if (u >= 0x20 && u < 0x7f) {
            text += c;
        } else {
            // Close and reopen the literal so that a following hex digit is not swallowed.
            text += "\\x";
            text += hex[u >> 4];
            text += hex[u & 15];
            text += "\" \"";
        }
    }
    return text + "\"";
}

[[noreturn]] inline void fail(const std::string& input, const std::string& what)
{
    std::fprintf(stderr, "\nFUZZ FINDING\n  input: %s\n  %s\n", input.c_str(), what.c_str());
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz
