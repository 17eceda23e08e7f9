// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The die that every window of the program carries.
inline QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/cubomancer-%1.png").arg(size), QSize(size, size));
    return icon;
}
