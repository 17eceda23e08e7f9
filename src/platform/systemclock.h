// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"

class SystemClock final : public Clock
{
public:
    QDate today() const override;
    std::uint64_t seed() const override;
};
