// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// Nearest integer, an exact half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// std::round would take halves away from zero; std::nearbyint would depend on the current
// floating-point rounding mode.
inline int roundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    int result = static_cast<int>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2) != 0))
        ++result;
    return result;
}

// The nearest integer to scale * r + 1 for a draw r from [0, 1). A draw has at most 24
// significant bits, so in double the product and the sum are exact: the value lands on a half
// only where it really is one. (In single precision some draws rounded onto a half and went
// to the wrong neighbour.)
inline int roundedScaledDraw(int scale, float r)
{
    return roundHalfToEven(static_cast<double>(scale) * static_cast<double>(r) + 1.0);
}
