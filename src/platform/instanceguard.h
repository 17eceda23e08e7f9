// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// Whether another copy of this program is already running for this user: on Linux an advisory
// lock on a file in the user's runtime folder, on Windows a named mutex of the user's (each
// system's instanceguard.cpp). The first call takes the guard and holds it for the life of the
// object; the system gives it back however the process ends, so a crashed or killed copy never
// blocks the next start. A guard the system will not give leaves the program unguarded rather
// than refused.
class InstanceGuard
{
public:
    // name is the lock file's path or the mutex's name (nameFor).
    explicit InstanceGuard(const QString &name);
    ~InstanceGuard();

    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    bool anotherCopyRunning();

    // The guard of a program by its application name: on Linux
    // $XDG_RUNTIME_DIR/<name>.lock, or ~/.cache/<name>/<name>.lock without a private runtime
    // folder; on Windows Global\<name>-<the user's SID>.
    static QString nameFor(const QString &applicationName);

private:
    QString m_name;
    // The open lock file's descriptor, or the mutex's handle; -1 while nothing is held.
    qintptr m_held = -1;
};
