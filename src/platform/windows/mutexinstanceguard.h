// SPDX-License-Identifier: MIT
#pragma once

#include "platform/instanceguard.h"

#include <QString>

// One named mutex per logged-on user and executable name, held for the life of the process. The
// system closes the handle however the process ends, and the mutex goes with the last handle,
// so a crashed or killed copy never blocks the next start.
class MutexInstanceGuard final : public InstanceGuard
{
public:
    explicit MutexInstanceGuard(const QString &mutexName);
    ~MutexInstanceGuard() override;

    MutexInstanceGuard(const MutexInstanceGuard &) = delete;
    MutexInstanceGuard &operator=(const MutexInstanceGuard &) = delete;

    // Creates the mutex on the first call. Only a mutex of that name that exists already counts
    // as another copy; a name the program may not use leaves it unguarded rather than refused.
    bool anotherCopyRunning() override;

    // Global\<applicationName>-<the user's SID>: one name for all of the user's sessions, as
    // the lock of the Linux build is one per user, and none that another user's copy shares.
    // Without the user's SID, the name within the current session alone.
    static QString defaultMutexName(const QString &applicationName);

private:
    QString m_name;
    void *m_handle = nullptr;
};
