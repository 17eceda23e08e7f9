// SPDX-License-Identifier: MIT
#include "platform/browser.h"

#include <windows.h>

#include <shellapi.h>

void SystemBrowser::open(const QString &address)
{
    if (!isOpenable(address))
        return;
    // The shell takes narrow text in the ANSI code page; an openable address is ASCII, so the
    // conversion loses nothing. The shell's answer is of no use: a failure stays silent.
    const QByteArray narrow = address.toLocal8Bit();
    ShellExecuteA(nullptr, "Open", narrow.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
}
