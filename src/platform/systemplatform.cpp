// SPDX-License-Identifier: MIT
#include "systemplatform.h"

SystemPlatform::SystemPlatform(const QString &applicationName)
    : m_settings(applicationName),
      m_instance(LockFileInstanceGuard::defaultLockFilePath(applicationName))
{
    // Every write to the settings store is already on disk when it returns, so the lock is the
    // only thing left to put right before the process goes.
    m_processEnd.setBeforeEnd([this] { m_instance.release(); });
}

Platform SystemPlatform::platform()
{
    return Platform{m_browser, m_messages, m_settings, m_clock, m_random, m_instance, m_processEnd};
}
