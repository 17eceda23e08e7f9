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
