// SPDX-License-Identifier: MIT
#pragma once

#include "browser.h"

// Hands http and https addresses, byte for byte, to the system's opener and never waits for it:
// on Linux to xdg-open as a single argument, without a shell; on Windows to the shell through
// ShellExecuteA, which hands it to the default browser.
class SystemBrowser final : public Browser
{
public:
    void open(const QString &address) override;

    // True when the address is one this launcher will pass on: a well-formed absolute http or
    // https address that cannot be mistaken for a command-line option or a local file.
    static bool isOpenable(const QString &address);
};
