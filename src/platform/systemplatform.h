// SPDX-License-Identifier: MIT
#pragma once

#include "fixedsizewindows.h"
#include "immediateprocessend.h"
#include "lockfileinstanceguard.h"
#include "platform.h"
#include "qsettingsstore.h"
#include "qtmessageboxes.h"
#include "systembrowser.h"
#include "systemclock.h"
#include "uniformrandom.h"

// The real platform of a running program. Needs a QApplication; applicationName is the
// executable's base name.
class SystemPlatform
{
public:
    explicit SystemPlatform(const QString &applicationName);

    Platform platform();

private:
    SystemBrowser m_browser;
    QtMessageBoxes m_messages;
    QSettingsStore m_settings;
    SystemClock m_clock;
    UniformRandom m_random;
    LockFileInstanceGuard m_instance;
    ImmediateProcessEnd m_processEnd;
    FixedSizeWindows m_fixedSizeWindows;
};
