// SPDX-License-Identifier: MIT
#include "platform/browser.h"

#include <QProcess>

void SystemBrowser::open(const QString &address)
{
    if (!isOpenable(address))
        return;
    // xdg-open picks the user's default browser on every freedesktop desktop and works whatever
    // Qt platform plugin is in use. startDetached runs no shell and does not wait.
    QProcess::startDetached(QStringLiteral("xdg-open"), {address});
}
