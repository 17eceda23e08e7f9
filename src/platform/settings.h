// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The per-user settings of a program by its application name, in QSettings' native format: on
// Linux $XDG_CONFIG_HOME/<name>/<name>.conf, on Windows the registry key
// HKEY_CURRENT_USER\Software\<name>\<name>. A copy under another file name keeps its own.
namespace Settings {

// Empty text when the key does not exist; nothing when the store cannot be read.
std::optional<QString> read(const QString &applicationName, const QString &section,
                            const QString &key);
// True only once the value is safely on disk.
bool write(const QString &applicationName, const QString &section, const QString &key,
           const QString &value);

} // namespace Settings
