// SPDX-License-Identifier: MIT
#pragma once

#include "settingsstore.h"

// The per-user store on QSettings: on Linux $XDG_CONFIG_HOME/<name>/<name>.conf, on Windows the
// registry key HKEY_CURRENT_USER\Software\<name>\<name>, where <name> is the executable's base
// name, so a copy under another file name keeps settings of its own.
class QSettingsStore final : public SettingsStore
{
public:
    explicit QSettingsStore(const QString &applicationName);

    std::optional<QString> read(const QString &section, const QString &key) override;
    bool write(const QString &section, const QString &key, const QString &value) override;

    // Where the values of this application name are kept.
    QString fileName() const;

private:
    QString m_applicationName;
};
