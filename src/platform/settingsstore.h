// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The per-user store of text values, addressed by section and key within this program's own
// application name.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // Empty text when the key does not exist; nothing when the store cannot be read.
    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // True only once the value is safely on disk.
    virtual bool write(const QString &section, const QString &key, const QString &value) = 0;
};
