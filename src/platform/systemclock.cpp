// SPDX-License-Identifier: MIT
#include "systemclock.h"

#include <chrono>

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

std::uint64_t SystemClock::seed() const
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}
