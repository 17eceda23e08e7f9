// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

// The one process-wide pseudo-random generator of the program.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::uint64_t seed) = 0;
    // Uniform on [0, 1), single precision.
    virtual float next() = 0;
};

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

// A seed from the system clock: two starts at different moments get different ones.
std::uint64_t clockSeed();
