// SPDX-License-Identifier: MIT
#include "lockfileinstanceguard.h"

#include <QDir>
#include <QStandardPaths>

LockFileInstanceGuard::LockFileInstanceGuard(const QString &lockFilePath)
    : m_lock(lockFilePath)
{
    // Age alone never makes a lock stale: only a dead owner does.
    m_lock.setStaleLockTime(0);
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString &applicationName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

bool LockFileInstanceGuard::anotherCopyRunning()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return false;
    // Only a lock held by a live copy refuses the start; a folder we cannot write must not keep
    // the user from the program.
    return m_lock.error() == QLockFile::LockFailedError;
}
