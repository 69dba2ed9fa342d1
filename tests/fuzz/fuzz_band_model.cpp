// SPDX-License-Identifier: MIT
// The band model driven the way the window drives it, with any 16-bit codes: five band codes
// (element 0 included), the selected band, a unit index and the colour to set. The sequence
// ends either with the two texts or with one run-time error of the kind the failing step may
// raise; anything else, and any sanitizer report, is a finding.

#include "band_state.h"
#include "colour_code.h"
#include "fuzz_check.h"
#include "resistance_texts.h"
#include "run_time_error.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <exception>
#include <string>

namespace
{

struct Input {
    std::array<std::int16_t, 5> codes;
    std::int16_t curLine;
    std::int16_t unitIndex;
    std::int16_t colour;
};

std::string describe(const Input& in)
{
    std::string text = "LineColor {";
    for (std::size_t i = 0; i < in.codes.size(); ++i)
        text += (i ? ", " : "") + std::to_string(in.codes[i]);
    return text + "}, band " + std::to_string(in.curLine) + ", unit " +
           std::to_string(in.unitIndex) + ", colour " + std::to_string(in.colour);
}

enum class Step { SetUnit, SetColour, ShowLines, ShowResistance };

const char* stepName(Step step)
{
    switch (step) {
    case Step::SetUnit:
        return "setUnit";
    case Step::SetColour:
        return "setColour";
    case Step::ShowLines:
        return "stripTopInCells";
    case Step::ShowResistance:
        return "resistanceTexts";
    }
    return "?";
}

bool mayRaise(Step step, RunTimeError::Kind kind)
{
    using K = RunTimeError::Kind;
    switch (step) {
    case Step::SetUnit:
    case Step::ShowLines:
        return kind == K::Overflow;
    case Step::SetColour:
        return kind == K::SubscriptOutOfRange;
    case Step::ShowResistance:
        return kind == K::FloatingPoint || kind == K::Overflow;
    }
    return false;
}

bool containsNoCase(std::string text, const char* word)
{
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text.find(word) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t bytes[16] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    Input in{};
    std::memcpy(in.codes.data(), bytes, 10);
    std::memcpy(&in.curLine, bytes + 10, 2);
    std::memcpy(&in.unitIndex, bytes + 12, 2);
    std::memcpy(&in.colour, bytes + 14, 2);
    const std::string input = describe(in);

    BandState state;
    state.setInitial();
    state.LineColor = in.codes;
    Step step = Step::SetUnit;
    try {
        const std::int32_t divisorBefore = state.LimitDivisor;
        try {
            state.setUnit(in.unitIndex);
        } catch (const RunTimeError&) {
            if (state.LimitDivisor != divisorBefore)
                fuzz::fail(input, "setUnit raised an error but changed the unit");
            throw;
        }

        step = Step::SetColour;
        state.selectBand(in.curLine);
        try {
            state.setColour(in.colour);
        } catch (const RunTimeError&) {
            if (state.LineColor != in.codes)
                fuzz::fail(input, "setColour raised an error but changed a band");
            throw;
        }
        if (in.curLine < 0 || in.curLine > kBandCount)
            fuzz::fail(input, "setColour accepted a band outside 0..4");
        if (state.currentColour() != in.colour)
            fuzz::fail(input, "currentColour differs from the colour just set");

        // The strip of code c stands c - 11 cells from the top; below -32768 that does not
        // fit the 16-bit result and must be an error, never a wrapped-around position.
        step = Step::ShowLines;
        for (std::size_t band = 1; band <= kBandCount; ++band) {
            const std::int16_t code = state.LineColor[band];
            const int top = code - kGold;
            try {
                if (stripTopInCells(code) != top)
                    fuzz::fail(input, "strip of code " + std::to_string(code) + " not at " +
                                          std::to_string(top));
            } catch (const RunTimeError&) {
                if (top >= INT16_MIN)
                    fuzz::fail(input, "strip of code " + std::to_string(code) + " raised an error");
                throw;
            }
        }

        step = Step::ShowResistance;
        const ResistanceTexts texts = resistanceTexts(state);
        if (texts.value.empty() || containsNoCase(texts.value, "inf") ||
            containsNoCase(texts.value, "nan"))
            fuzz::fail(input, "value text " + fuzz::quoted(texts.value));
        if (texts.unitAndTolerance.empty())
            fuzz::fail(input, "empty unit and tolerance text");
    } catch (const RunTimeError& e) {
        if (!mayRaise(step, e.kind()))
            fuzz::fail(input, std::string(stepName(step)) + " raised " + e.what());
    } catch (const std::exception& e) {
        fuzz::fail(input, std::string(stepName(step)) + " threw " + e.what());
    } catch (...) {
        fuzz::fail(input, std::string(stepName(step)) + " threw a non-standard exception");
    }
    return 0;
}
