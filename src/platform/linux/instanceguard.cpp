// SPDX-License-Identifier: MIT
#include "platform/instanceguard.h"

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

InstanceGuard::InstanceGuard(const QString &name) : m_name(name) {}

InstanceGuard::~InstanceGuard()
{
    // Closing the only descriptor gives the lock back.
    if (m_held >= 0)
        ::close(int(m_held));
}

QString InstanceGuard::nameFor(const QString &applicationName)
{
    const QString fileName = applicationName + QStringLiteral(".lock");
    // The runtime folder as the session gives it, not QStandardPaths' answer: for one that is
    // not this user's or is open to others, Qt 6.4 answers with a folder of its own in the shared
    // temporary folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return QDir(runtime).filePath(fileName);
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

bool InstanceGuard::anotherCopyRunning()
{
    if (m_held >= 0)
        return false;
    // Never follow a link, never wait on a pipe or a device, never hand the file to a child.
    const int fd = ::open(QFile::encodeName(m_name).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    FileStatus status{};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(fd);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_held = fd;
        return false;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}
