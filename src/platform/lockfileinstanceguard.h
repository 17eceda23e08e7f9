// SPDX-License-Identifier: MIT
#pragma once

#include "instanceguard.h"

#include <QString>

// One lock file per user and executable name, held for the life of the process: an advisory
// lock (flock) on a file kept open until the process ends. The kernel gives the lock back
// however the process ends, so a crashed or killed copy never blocks the next start, and what
// the file holds means nothing. Nothing is written to it.
class LockFileInstanceGuard final : public InstanceGuard
{
public:
    explicit LockFileInstanceGuard(const QString &lockFilePath);
    ~LockFileInstanceGuard() override;

    LockFileInstanceGuard(const LockFileInstanceGuard &) = delete;
    LockFileInstanceGuard &operator=(const LockFileInstanceGuard &) = delete;

    // Takes the lock on the first call. Only a lock another process holds counts as another
    // copy. Whatever else stands in the way (no usable folder; a link, folder, pipe, device or
    // another user's file at the lock's place) leaves the program unguarded rather than
    // refused or stuck: the user still gets the program.
    bool anotherCopyRunning() override;

    // Gives the lock back. The file stays: removing it could let two copies lock two
    // different files.
    void release();

    // <runtime folder>/<applicationName>.lock. Without a usable runtime folder (unset, missing,
    // not this user's own, or open to others), a folder the user alone may enter:
    // <cache folder>/<applicationName>/<applicationName>.lock.
    static QString defaultLockFilePath(const QString &applicationName);

private:
    QString m_path;
    int m_fd = -1;
};
