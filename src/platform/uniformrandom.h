// SPDX-License-Identifier: MIT
#pragma once

#include "randomsource.h"

#include <random>

// Mersenne Twister reduced to 24 bits per draw: every value k / 2^24 is exact in single
// precision, and 1.0 can never come out, whatever the standard library does with
// generate_canonical.
class UniformRandom final : public RandomSource
{
public:
    void reseed(std::uint64_t seed) override;
    float next() override;

    // The value a draw of these 24 random bits yields.
    static float fromBits(std::uint32_t bits24);

private:
    std::mt19937 m_engine;
};
