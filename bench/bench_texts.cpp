// SPDX-License-Identifier: MIT
// Time of one computation of the two display texts for a band state, over every state the
// window can reach, repeated; prints the median of several rounds in nanoseconds.
#include "band_state.h"
#include "colour_code.h"
#include "resistance_texts.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main()
{
    std::vector<BandState> states;
    for (std::int16_t first = 0; first <= 9; ++first)
        for (std::int16_t second = 0; second <= 9; ++second)
            for (std::int16_t multiplier = 0; multiplier <= 9; ++multiplier)
                for (const DisplayUnit& unit : kDisplayUnits) {
                    BandState state;
                    state.LineColor = {0, first, second, multiplier, kGold};
                    state.LimitDivisor = unit.divisor;
                    states.push_back(state);
                }

    constexpr int kRounds = 15;
    constexpr int kRepeats = 20;
    std::vector<double> nanoseconds;
    std::size_t checksum = 0; // keeps the work from being optimised away
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int repeat = 0; repeat < kRepeats; ++repeat)
            for (const BandState& state : states) {
                const ResistanceTexts texts = resistanceTexts(state);
                checksum += texts.value.size() + texts.unitAndTolerance.size();
            }
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        nanoseconds.push_back(elapsed.count() / (kRepeats * static_cast<double>(states.size())));
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    std::printf("two-text computation: min %.0f ns, median %.0f ns, max %.0f ns per state "
                "(%zu states x %d, %d rounds; checksum %zu)\n",
                nanoseconds.front(), nanoseconds[nanoseconds.size() / 2], nanoseconds.back(),
                states.size(), kRepeats, kRounds, checksum);
    return 0;
}
