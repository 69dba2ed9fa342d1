// SPDX-License-Identifier: MIT
#include "band_state.h"

#include "run_time_error.h"

#include <cmath>
#include <limits>

namespace
{

std::size_t checkedBand(std::int16_t band)
{
    // One unsigned comparison covers both ends: a negative band becomes a huge number.
    const auto index = static_cast<std::uint16_t>(band);
    if (index >= 5)
        throw RunTimeError(RunTimeError::Kind::SubscriptOutOfRange);
    return index;
}

} // namespace

void BandState::setInitial()
{
    LineColor[1] = 6;
    LineColor[2] = 2;
    LineColor[3] = 5;
    LineColor[4] = 11;
    CurLine = 1;
    LimitDivisor = 1000;
}

void BandState::selectBand(std::int16_t band)
{
    CurLine = band;
}

void BandState::setColour(std::int16_t code)
{
    LineColor[checkedBand(CurLine)] = code;
}

std::int16_t BandState::currentColour() const
{
    return LineColor[checkedBand(CurLine)];
}

void BandState::setUnit(std::int16_t index)
{
    // Round half to even (the default rounding mode), then convert only what fits: converting
    // an out-of-range double to an integer would be undefined behaviour.
    const double rounded = std::nearbyint(std::pow(10.0, index));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw RunTimeError(RunTimeError::Kind::Overflow);
    LimitDivisor = static_cast<std::int32_t>(rounded);
}
