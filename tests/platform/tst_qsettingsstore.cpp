// SPDX-License-Identifier: MIT
#include "platform/immediateprocessend.h"
#include "platform/qsettingsstore.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstring>

namespace {
const QString section = QStringLiteral("Settings");
const QString key = QStringLiteral("Duration");
const char writeThenEndArgument[] = "--write-then-end";

// Child mode: write one value and end the process at once, as the program does.
int writeThenEnd(const char *applicationName, const char *value)
{
    QSettingsStore store(QString::fromUtf8(applicationName));
    const bool written = store.write(section, key, QString::fromUtf8(value));
    ImmediateProcessEnd().endProcess(written ? 0 : 3);
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
} // namespace

class TestQSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void absentKeyReadsEmpty();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void fileLivesUnderTheConfigFolderPerApplicationName();
    void namesKeepSeparateValues();
    void valueSurvivesImmediateProcessEnd();
    void damagedFile_data();
    void damagedFile();
    void unreadableFileIsReportedNotEmpty();
    void unwritableLocationIsReportedNotAssumed();
    void readOnlyConfigFolderIsReported();

private:
    QString freshName() { return m_environment.freshName(QStringLiteral("store")); }
    QString fileOf(const QString &name) const
    {
        return m_environment.configPath() + QLatin1Char('/') + name + QLatin1Char('/') + name +
               QStringLiteral(".conf");
    }

    TestEnvironment m_environment;
};

void TestQSettingsStore::absentKeyReadsEmpty()
{
    QSettingsStore store(freshName());
    const std::optional<QString> value = store.read(section, key);
    QVERIFY(value.has_value());
    QVERIFY(value->isEmpty());
}

void TestQSettingsStore::writtenValueReadsBack_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("ISO date") << QStringLiteral("2026-12-07");
    QTest::newRow("text with separators") << QStringLiteral("a, b; c=d [e]");
    QTest::newRow("non-ASCII") << QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c");
}

void TestQSettingsStore::writtenValueReadsBack()
{
    QFETCH(QString, value);
    const QString name = freshName();
    QVERIFY(QSettingsStore(name).write(section, key, value));
    QCOMPARE(QSettingsStore(name).read(section, key), std::optional<QString>(value));
}

void TestQSettingsStore::fileLivesUnderTheConfigFolderPerApplicationName()
{
    const QString name = freshName();
    QSettingsStore store(name);
    QVERIFY(store.write(section, key, QStringLiteral("2026-12-07")));
    QCOMPARE(m_environment.storeAsFound(name)->value(section + QLatin1Char('/') + key),
             QVariant(QStringLiteral("2026-12-07")));
    if (!settingsLiveInFiles)
        return;
    QCOMPARE(store.fileName(), fileOf(name));
    QFile file(fileOf(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.contains("[Settings]"), contents.constData());
    QVERIFY2(contents.contains("Duration=2026-12-07"), contents.constData());
}

void TestQSettingsStore::namesKeepSeparateValues()
{
    const QString name = freshName();
    QSettingsStore original(name);
    QSettingsStore copy(name + QStringLiteral("-renamed"));
    QVERIFY(original.write(section, key, QStringLiteral("one")));
    QCOMPARE(copy.read(section, key), std::optional<QString>(QString()));
    QVERIFY(copy.write(section, key, QStringLiteral("two")));
    QCOMPARE(original.read(section, key), std::optional<QString>(QStringLiteral("one")));
}

void TestQSettingsStore::valueSurvivesImmediateProcessEnd()
{
    const QString name = freshName();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(writeThenEndArgument), name, QStringLiteral("2031-05-06")});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QSettingsStore(name).read(section, key),
             std::optional<QString>(QStringLiteral("2031-05-06")));
}

void TestQSettingsStore::damagedFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("readsAs");

    QTest::newRow("unclosed section header, value still legible")
        << QByteArray("[Settings\nDuration=2026-01-01\n") << QStringLiteral("2026-01-01");
    QTest::newRow("binary garbage") << QByteArray("\xff\xfe\x00\x01[[[=\n", 9) << QString();
    QTest::newRow("value is a list") << QByteArray("[Settings]\nDuration=a, b\n") << QString();
}

void TestQSettingsStore::damagedFile()
{
    if (!settingsLiveInFiles)
        QSKIP("the store is no file here");
    QFETCH(QByteArray, contents);
    QFETCH(QString, readsAs);
    const QString name = freshName();
    QVERIFY(writeFile(fileOf(name), contents));

    QSettingsStore store(name);
    // Damage must not make the store unreadable for ever: what can be read is given, and a new
    // value replaces the damage.
    QCOMPARE(store.read(section, key), std::optional<QString>(readsAs));
    QVERIFY(store.write(section, key, QStringLiteral("2026-12-07")));
    QCOMPARE(QSettingsStore(name).read(section, key),
             std::optional<QString>(QStringLiteral("2026-12-07")));
}

void TestQSettingsStore::unreadableFileIsReportedNotEmpty()
{
    if (!settingsLiveInFiles)
        QSKIP("the store is no file here");
    // A folder where the file belongs cannot be read, even by the superuser.
    const QString name = freshName();
    QVERIFY(QDir().mkpath(fileOf(name)));
    QSettingsStore store(name);
    QCOMPARE(store.read(section, key), std::nullopt);
    QVERIFY(!store.write(section, key, QStringLiteral("2026-12-07")));
}

void TestQSettingsStore::unwritableLocationIsReportedNotAssumed()
{
    if (!settingsLiveInFiles)
        QSKIP("the store is no file here");
    // A plain file where the application's folder belongs: nothing can be created below it.
    const QString name = freshName();
    QVERIFY(writeFile(m_environment.configPath() + QLatin1Char('/') + name, "not a folder"));
    QSettingsStore store(name);
    QCOMPARE(store.read(section, key), std::optional<QString>(QString()));
    QVERIFY(!store.write(section, key, QStringLiteral("2026-12-07")));
}

void TestQSettingsStore::readOnlyConfigFolderIsReported()
{
    if (!configFolderCanBeClosed())
        QSKIP("the store cannot be closed to writes here");
    const QString name = freshName();
    const QString config = m_environment.configPath();
    const QFile::Permissions before = QFile::permissions(config);
    QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner));
    const bool written = QSettingsStore(name).write(section, key, QStringLiteral("2026-12-07"));
    QFile::setPermissions(config, before);
    QVERIFY(!written);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], writeThenEndArgument) == 0)
        return writeThenEnd(argv[2], argv[3]);
    QCoreApplication application(argc, argv);
    TestQSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qsettingsstore.moc"
