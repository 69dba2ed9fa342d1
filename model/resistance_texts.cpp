// SPDX-License-Identifier: MIT
#include "resistance_texts.h"

#include "colour_code.h"
#include "number_text.h"
#include "run_time_error.h"

#include <cmath>

namespace
{

const char kBelowOneMark[] = " ."; // how the value text of a number below 1 begins
const char kToleranceSilver[] = "±10%";
const char kToleranceOther[] = "±5%";

std::string trimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

ResistanceTexts resistanceTexts(const BandState& state)
{
    // The two digit bands are joined as text and read back, so " 6" and " 2" give 62.
    const double digits =
        textToNumber(numberToText(state.LineColor[1]) + numberToText(state.LineColor[2]));
    const double multiplier = std::pow(10.0, state.LineColor[3]);
    const double value = multiplier * digits / static_cast<double>(state.LimitDivisor);
    if (!std::isfinite(value))
        throw RunTimeError(RunTimeError::Kind::FloatingPoint);

    ResistanceTexts texts;
    texts.value = numberToText(value);
    if (texts.value.rfind(kBelowOneMark, 0) == 0)
        texts.value = "0" + trimBlanks(texts.value);

    texts.unitAndTolerance = state.LineColor[4] == kSilver ? kToleranceSilver : kToleranceOther;
    for (const DisplayUnit& unit : kDisplayUnits) {
        if (state.LimitDivisor == unit.divisor)
            texts.unitAndTolerance = unit.caption + (" " + texts.unitAndTolerance);
    }
    return texts;
}
