// SPDX-License-Identifier: MIT
#include "colour_code.h"

#include "run_time_error.h"

#include <cstdint>

namespace
{

constexpr ColourCode kColourCodes[kColourCount] = {
    {"Черный", true, false},    {"Коричневый", true, false},  {"Красный", true, false},
    {"Оранжевый", true, false}, {"Желтый", true, false},      {"Зеленый", true, false},
    {"Голубой", true, false},   {"Сиреневый", true, false},   {"Серый", true, false},
    {"Белый", true, false},     {"Серебристый", false, true}, {"Золотой", false, true},
};

} // namespace

const ColourCode& colourCode(int code)
{
    if (code < 0 || code >= kColourCount)
        throw RunTimeError(RunTimeError::Kind::SubscriptOutOfRange);
    return kColourCodes[code];
}

bool isOfferedForBand(int code, int band)
{
    const ColourCode& colour = colourCode(code);
    return band == kToleranceBand ? colour.toleranceColour : colour.digitColour;
}

std::int16_t stripTopInCells(std::int16_t code)
{
    const int top = code - kGold;
    if (top < INT16_MIN)
        throw RunTimeError(RunTimeError::Kind::Overflow);
    return static_cast<std::int16_t>(top);
}
