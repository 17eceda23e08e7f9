// SPDX-License-Identifier: MIT
#pragma once

#include "platform.h"

#include <QString>

#include <memory>

// The real platform of a running program. Needs a QApplication; applicationName is the
// executable's base name. Each system builds its own parts (systemplatform.cpp on Linux,
// windows/systemplatform.cpp on Windows).
class SystemPlatform
{
public:
    explicit SystemPlatform(const QString &applicationName);
    ~SystemPlatform();

    SystemPlatform(const SystemPlatform &) = delete;
    SystemPlatform &operator=(const SystemPlatform &) = delete;

    Platform platform();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};
