// SPDX-License-Identifier: MIT
#pragma once

// Whether another copy of this program is already running for this user.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherCopyRunning() = 0;
};
