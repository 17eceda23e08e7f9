// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

// Whether another copy of this program is already running for this user.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherCopyRunning() = 0;
};

// This system's own guard for an application name: a lock file on Linux, a named mutex on
// Windows. Whatever ends the process gives it back.
std::unique_ptr<InstanceGuard> systemInstanceGuard(const QString &applicationName);
