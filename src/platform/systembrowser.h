// SPDX-License-Identifier: MIT
#pragma once

#include "browser.h"

// Hands http and https addresses, byte for byte, to the desktop's opener (xdg-open on
// freedesktop systems) as a single argument, without a shell, and never waits for it.
class SystemBrowser final : public Browser
{
public:
    void open(const QString &address) override;

    // True when the address is one this launcher will pass on: a well-formed absolute http or
    // https address that cannot be mistaken for a command-line option.
    static bool isOpenable(const QString &address);
};
