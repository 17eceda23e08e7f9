// SPDX-License-Identifier: MIT
#include "systemplatform.h"

SystemPlatform::SystemPlatform(const QString &applicationName)
    : m_settings(applicationName)
    , m_instance(LockFileInstanceGuard::defaultLockFilePath(applicationName))
{
}

Platform SystemPlatform::platform()
{
    return Platform{m_browser,  m_messages, m_settings, m_clock,
                    m_random,   m_instance, m_topmost,  m_processEnd};
}
