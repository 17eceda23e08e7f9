// SPDX-License-Identifier: MIT
#pragma once

#include "siteconfig.h"

#include <QFileInfo>
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

// The program's own name, which names its settings and its lock: the executable's whole file
// name, only a Windows ".exe" dropped, so a copy named cubomancer-1.15 keeps its own.
inline QString applicationNameOf(const QString &executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}
