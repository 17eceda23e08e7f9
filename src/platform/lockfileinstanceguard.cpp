// SPDX-License-Identifier: MIT
#include "lockfileinstanceguard.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

LockFileInstanceGuard::LockFileInstanceGuard(const QString &lockFilePath)
    : m_path(lockFilePath), m_lock(lockFilePath)
{
    // Age alone never makes a lock stale: only a dead owner does.
    m_lock.setStaleLockTime(0);
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString &applicationName)
{
    // Qt falls back to a private folder of its own when XDG_RUNTIME_DIR is missing or unusable.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(applicationName + QStringLiteral(".lock"));
    // The temporary folder is shared by every user; one user's copy must not refuse another's.
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("%1-%2.lock").arg(applicationName).arg(::getuid()));
}

bool LockFileInstanceGuard::anotherCopyRunning()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return false;
    return m_lock.error() == QLockFile::LockFailedError;
}

void LockFileInstanceGuard::release()
{
    if (m_lock.isLocked())
        m_lock.unlock();
}
