// SPDX-License-Identifier: MIT
#include "qsettingsstore.h"

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
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    settings.endGroup();
    // A value Qt cannot turn into text reads as empty: nothing usable is stored.
    return value.toString();
}
} // namespace

QSettingsStore::QSettingsStore(const QString &applicationName) : m_applicationName(applicationName)
{
}

QString QSettingsStore::fileName() const
{
    return openStore(m_applicationName)->fileName();
}

std::optional<QString> QSettingsStore::read(const QString &section, const QString &key)
{
    const std::unique_ptr<QSettings> settings = openStore(m_applicationName);
    // A damaged file (FormatError) still yields what Qt could make of it; only a file that
    // cannot be read at all makes the store unreadable.
    if (settings->status() == QSettings::AccessError)
        return std::nullopt;
    return valueOf(*settings, section, key);
}

bool QSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    {
        const std::unique_ptr<QSettings> settings = openStore(m_applicationName);
        settings->beginGroup(section);
        settings->setValue(key, value);
        settings->endGroup();
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
    const std::unique_ptr<QSettings> check = openStore(m_applicationName);
    return check->status() == QSettings::NoError && valueOf(*check, section, key) == value;
}
