// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Opens a web address in the user's default browser. Fire and forget: it never waits for the
// page and reports nothing, whether or not a browser could be started.
class Browser
{
public:
    virtual ~Browser() = default;
    virtual void open(const QString &address) = 0;
};

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
