// SPDX-License-Identifier: MIT
#include "systemplatform.h"

#include "fixedsizewindows.h"
#include "immediateprocessend.h"
#include "lockfileinstanceguard.h"
#include "qsettingsstore.h"
#include "qtmessageboxes.h"
#include "systembrowser.h"
#include "systemclock.h"
#include "uniformrandom.h"

struct SystemPlatform::Parts
{
    explicit Parts(const QString &applicationName)
        : settings(applicationName),
          instance(LockFileInstanceGuard::defaultLockFilePath(applicationName))
    {
    }

    SystemBrowser browser;
    QtMessageBoxes messages;
    QSettingsStore settings;
    SystemClock clock;
    UniformRandom random;
    LockFileInstanceGuard instance;
    ImmediateProcessEnd processEnd;
    FixedSizeWindows fixedSizeWindows;
};

SystemPlatform::SystemPlatform(const QString &applicationName)
    : m_parts(std::make_unique<Parts>(applicationName))
{
    // Every write to the settings store is already on disk when it returns, so the lock is the
    // only thing left to put right before the process goes.
    m_parts->processEnd.setBeforeEnd([this] { m_parts->instance.release(); });
}

SystemPlatform::~SystemPlatform() = default;

Platform SystemPlatform::platform()
{
    Parts &parts = *m_parts;
    return Platform{parts.browser, parts.messages, parts.settings,  parts.clock,
                    parts.random,  parts.instance, parts.processEnd};
}
