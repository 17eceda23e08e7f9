// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

#include <cstdint>

class Clock
{
public:
    virtual ~Clock() = default;
    // The local calendar date, without time of day.
    virtual QDate today() const = 0;
    // A value that differs between two starts at different moments.
    virtual std::uint64_t seed() const = 0;
};
