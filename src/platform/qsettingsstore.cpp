// SPDX-License-Identifier: MIT
#include "qsettingsstore.h"

#include <QSettings>

namespace {
QSettings openStore(const QString &applicationName)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, applicationName,
                     applicationName);
}
} // namespace

QSettingsStore::QSettingsStore(const QString &applicationName)
    : m_applicationName(applicationName)
{
}

QString QSettingsStore::fileName() const
{
    return openStore(m_applicationName).fileName();
}

std::optional<QString> QSettingsStore::read(const QString &section, const QString &key)
{
    QSettings settings = openStore(m_applicationName);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    settings.beginGroup(section);
    const QVariant value = settings.value(key);
    settings.endGroup();
    if (!value.isValid())
        return QString();
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

bool QSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    QSettings settings = openStore(m_applicationName);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    // QSettings writes lazily; the program may end at once after this, so flush now and learn
    // whether the value really reached the disk.
    settings.sync();
    return settings.status() == QSettings::NoError;
}
