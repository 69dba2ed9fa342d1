// SPDX-License-Identifier: MIT
// A small pseudo-random generator of our own (SplitMix64). The standard library's
// distributions may give other numbers with another library version; this one gives the same
// sequence everywhere, so the pictures come out the same on every machine.
#pragma once

#include <cstdint>

class Prng
{
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // Uniform in [-amount, amount).
    double jitter(double amount) { return range(-amount, amount); }

private:
    std::uint64_t state_;
};
