// SPDX-License-Identifier: MIT
#include "randomsource.h"

#include <chrono>

void UniformRandom::reseed(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    m_engine.seed(sequence);
}

float UniformRandom::fromBits(std::uint32_t bits24)
{
    constexpr float twoToMinus24 = 1.0f / 16777216.0f;
    return static_cast<float>(bits24 & 0xFFFFFFu) * twoToMinus24;
}

float UniformRandom::next()
{
    return fromBits(m_engine() >> 8);
}

std::uint64_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}
