// SPDX-License-Identifier: MIT
#pragma once

#include "siteconfig.h"

#include <QString>

// The caption of every message box.
inline QString applicationTitle()
{
    return QStringLiteral("Cubomancer");
}

// The title of every window.
inline QString windowTitle()
{
    return QStringLiteral("Cubomancer v" CUBOMANCER_VERSION);
}
