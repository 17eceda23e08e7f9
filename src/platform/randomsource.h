// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The one process-wide pseudo-random generator of the program.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::uint64_t seed) = 0;
    // Uniform on [0, 1), single precision.
    virtual float next() = 0;
};
