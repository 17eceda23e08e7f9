// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// Nearest integer, an exact half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// std::round would take halves away from zero; std::nearbyint would depend on the current
// floating-point rounding mode.
inline int roundHalfToEven(float value)
{
    const float lower = std::floor(value);
    const float fraction = value - lower;
    int result = static_cast<int>(lower);
    if (fraction > 0.5f || (fraction == 0.5f && (result % 2) != 0))
        ++result;
    return result;
}
