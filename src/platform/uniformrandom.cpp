// SPDX-License-Identifier: MIT
#include "uniformrandom.h"

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
