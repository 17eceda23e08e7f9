// SPDX-License-Identifier: MIT
#include "lockfileinstanceguard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using FileStatus = struct stat;

// A folder that exists, is a folder (not a link to one), belongs to this user and is closed to
// everyone else.
bool isPrivateFolder(const QString &path)
{
    FileStatus status{};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}
} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString &lockFilePath) : m_path(lockFilePath) {}

LockFileInstanceGuard::~LockFileInstanceGuard()
{
    release();
}

QString LockFileInstanceGuard::defaultLockFilePath(const QString &applicationName)
{
    const QString fileName = applicationName + QStringLiteral(".lock");
    // Qt checks the runtime folder (this user's, mode 0700) and creates a missing one.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty() && isPrivateFolder(runtime))
            return QDir(runtime).filePath(fileName);
    }
    // Never the shared temporary folder, where another user could put anything at a name
    // known in advance.
    const QString folder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .filePath(applicationName);
    const QByteArray encoded = QFile::encodeName(folder);
    if (QDir().mkpath(QFileInfo(folder).path()))
        ::mkdir(encoded.constData(), 0700);
    return QDir(folder).filePath(fileName);
}

bool LockFileInstanceGuard::anotherCopyRunning()
{
    if (m_fd >= 0)
        return false;
    // Never follow a link, never wait on a pipe or a device, never hand the file to a child.
    const int fd = ::open(QFile::encodeName(m_path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    FileStatus status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(fd);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return false;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void LockFileInstanceGuard::release()
{
    if (m_fd < 0)
        return;
    // Closing the only descriptor gives the lock back.
    ::close(m_fd);
    m_fd = -1;
}

std::unique_ptr<InstanceGuard> systemInstanceGuard(const QString &applicationName)
{
    return std::make_unique<LockFileInstanceGuard>(
        LockFileInstanceGuard::defaultLockFilePath(applicationName));
}
