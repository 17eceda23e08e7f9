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

    bool anotherCopyRunning() override;

    // <runtime folder>/<applicationName>.lock, falling back to the temporary folder.
    static QString defaultLockFilePath(const QString &applicationName);

private:
    QLockFile m_lock;
};
