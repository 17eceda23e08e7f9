// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// Where the settings store keeps its values: files under the config folder on Linux; on Windows
// the registry under HKEY_CURRENT_USER, which outlives the test, so names there must be new.
// Closing the config folder to writes keeps the store from writing only where the store is
// files, and not for the superuser.
#ifdef Q_OS_WIN
inline constexpr bool settingsLiveInFiles = false;
inline bool configFolderCanBeClosed()
{
    return false;
}
// Qt 6.4's offscreen platform gives widgets "Sans Serif", a family Windows lacks, where its
// windows platform gives them the dialogs' font; without a family of its own, Qt then draws the
// Latin letters beside Devanagari or Bengali with that script's font, which has none.
inline void giveWidgetsTheDialogsFont()
{
    QFont::insertSubstitution(QStringLiteral("Sans Serif"), QStringLiteral("MS Shell Dlg 2"));
}
#else
#include <unistd.h>
inline constexpr bool settingsLiveInFiles = true;
inline bool configFolderCanBeClosed()
{
    return ::geteuid() != 0;
}
inline void giveWidgetsTheDialogsFont() {}
#endif

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
        giveWidgetsTheDialogsFont();
    }

    QString path() const { return m_root.path(); }
    QString configPath() const { return m_root.path() + QStringLiteral("/config"); }
    QString runtimePath() const { return m_root.path() + QStringLiteral("/runtime"); }

    // An application name no earlier run has used.
    QString freshName(const QString &stem)
    {
        return stem + QString::number(++m_names) + QLatin1Char('-') +
               QFileInfo(m_root.path()).fileName();
    }

    // Where the values of an application name are kept, where they are a file.
    QString settingsFile(const QString &name) const
    {
        return configPath() + QStringLiteral("/%1/%1.conf").arg(name);
    }

    // The values of an application name where the system keeps them, read past the program.
    std::unique_ptr<QSettings> storeAsFound(const QString &name) const
    {
        if (!settingsLiveInFiles)
            return std::make_unique<QSettings>(
                QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%1").arg(name),
                QSettings::NativeFormat);
        return std::make_unique<QSettings>(settingsFile(name), QSettings::IniFormat);
    }

private:
    QTemporaryDir m_root;
    int m_names = 0;
};

// Sets an environment variable, or unsets it for a null value, and puts back what was there.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_saved(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }

    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_saved;
};
