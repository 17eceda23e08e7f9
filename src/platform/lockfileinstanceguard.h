// SPDX-License-Identifier: MIT
#pragma once

#include "instanceguard.h"

#include <QLockFile>
#include <QString>

// One lock file per user and executable name in the user's runtime folder, held for the life
// of the process. A copy that crashed or was killed leaves a lock whose owner is gone, which
// the next start takes over.
class LockFileInstanceGuard final : public InstanceGuard
{
public:
    explicit LockFileInstanceGuard(const QString &lockFilePath);

    // Takes the lock on the first call. A lock that cannot be created at all (no usable folder)
    // does not count as another copy: the user still gets the program.
    bool anotherCopyRunning() override;

    // Gives the lock back, so the next start need not take over a lock left by a dead process.
    void release();

    QString lockFilePath() const { return m_path; }

    // <runtime folder>/<applicationName>.lock; without a runtime folder, a per-user name in the
    // temporary folder.
    static QString defaultLockFilePath(const QString &applicationName);

private:
    QString m_path;
    QLockFile m_lock;
};
