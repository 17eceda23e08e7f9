// SPDX-License-Identifier: MIT
#include "platform/systemplatform.h"

#include "platform/immediateprocessend.h"
#include "platform/instanceguard.h"
#include "platform/qsettingsstore.h"
#include "platform/qtmessageboxes.h"
#include "platform/systembrowser.h"
#include "platform/systemclock.h"
#include "platform/uniformrandom.h"

// The settings store is the registry under HKEY_CURRENT_USER (QSettings' native format), and
// the guard a named mutex, which the system gives back when the process ends: nothing is left
// to put right before the process goes.
struct SystemPlatform::Parts
{
    explicit Parts(const QString &applicationName)
        : settings(applicationName), instance(systemInstanceGuard(applicationName))
    {
    }

    SystemBrowser browser;
    QtMessageBoxes messages;
    QSettingsStore settings;
    SystemClock clock;
    UniformRandom random;
    std::unique_ptr<InstanceGuard> instance;
    ImmediateProcessEnd processEnd;
};

SystemPlatform::SystemPlatform(const QString &applicationName)
    : m_parts(std::make_unique<Parts>(applicationName))
{
}

SystemPlatform::~SystemPlatform() = default;

Platform SystemPlatform::platform()
{
    Parts &parts = *m_parts;
    return Platform{parts.browser, parts.messages,  parts.settings,  parts.clock,
                    parts.random,  *parts.instance, parts.processEnd};
}
