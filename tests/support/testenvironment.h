// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

// Points HOME and the XDG folders at a private temporary folder and pins the locale, so no test
// reads or writes the real home. Call before the first QSettings or QStandardPaths use.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        const QString root = m_root.path();
        for (const char *name : {"config", "data", "cache", "state", "runtime"})
            QDir(root).mkpath(QLatin1String(name));
        qputenv("HOME", root.toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/cache")).toUtf8());
        qputenv("XDG_STATE_HOME", (root + QStringLiteral("/state")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/runtime")).toUtf8());
        QFile::setPermissions(root + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    QString path() const { return m_root.path(); }
    QString configPath() const { return m_root.path() + QStringLiteral("/config"); }
    QString runtimePath() const { return m_root.path() + QStringLiteral("/runtime"); }

private:
    QTemporaryDir m_root;
};
