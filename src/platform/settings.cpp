// SPDX-License-Identifier: MIT
#include "settings.h"

#include <QSettings>

#include <memory>

namespace {
std::unique_ptr<QSettings> openStore(const QString &applicationName)
{
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                applicationName, applicationName);
    // The store is the user's alone: no system-wide file may supply a value.
    settings->setFallbacksEnabled(false);
    return settings;
}

QString valueOf(QSettings &settings, const QString &section, const QString &key)
{
    // A value Qt cannot turn into text reads as empty: nothing usable is stored.
    return settings.value(section + QLatin1Char('/') + key).toString();
}
} // namespace

std::optional<QString> Settings::read(const QString &applicationName, const QString &section,
                                      const QString &key)
{
    const std::unique_ptr<QSettings> settings = openStore(applicationName);
    // A damaged file (FormatError) still yields what Qt could make of it; only a file that
    // cannot be read at all makes the store unreadable.
    if (settings->status() == QSettings::AccessError)
        return std::nullopt;
    return valueOf(*settings, section, key);
}

bool Settings::write(const QString &applicationName, const QString &section, const QString &key,
                     const QString &value)
{
    {
        const std::unique_ptr<QSettings> settings = openStore(applicationName);
        settings->setValue(section + QLatin1Char('/') + key, value);
        // QSettings writes lazily and the program may end at once after this, so flush now.
        settings->sync();
        switch (settings->status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            return false;
        case QSettings::FormatError:
            // The error comes from reading the damaged file before the write and hides whether
            // the write itself succeeded: ask the disk afresh below.
            break;
        }
    }
    const std::unique_ptr<QSettings> check = openStore(applicationName);
    return check->status() == QSettings::NoError && valueOf(*check, section, key) == value;
}
