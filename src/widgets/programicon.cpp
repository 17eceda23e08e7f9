// SPDX-License-Identifier: MIT
#include "programicon.h"

QIcon programIcon()
{
    // One icon for the whole run: one built for every window opened would read the images again
    // and add their pixmaps to the toolkit's pixmap cache each time.
    static const QIcon icon = [] {
        QIcon images;
        for (int size : {16, 32, 48, 64})
            images.addFile(QStringLiteral(":/icons/cubomancer-%1.png").arg(size),
                           QSize(size, size));
        return images;
    }();
    return icon;
}
