// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The die that every window of the program carries.
inline QIcon programIcon()
{
    // Loaded once and shared: an icon built afresh for every window opened would add new
    // pixmaps to Qt's pixmap cache each time.
    // Never destroyed: its pixmaps must not outlive the application object at exit.
    static const QIcon *const icon = [] {
        auto *loaded = new QIcon;
        for (int size : {16, 32, 48, 64})
            loaded->addFile(QStringLiteral(":/icons/cubomancer-%1.png").arg(size),
                            QSize(size, size));
        return loaded;
    }();
    return *icon;
}
