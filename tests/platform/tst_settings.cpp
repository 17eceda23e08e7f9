// SPDX-License-Identifier: MIT
#include "platform/processend.h"
#include "platform/settings.h"
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
const QString value = QStringLiteral("2026-12-07");
const char writeThenEndArgument[] = "--write-then-end";

// Child mode: write one value and end the process at once, as the program does.
int writeThenEnd(const char *applicationName, const char *text)
{
    const bool written =
        Settings::write(QString::fromUtf8(applicationName), section, key, QString::fromUtf8(text));
    ImmediateProcessEnd().endProcess(written ? 0 : 3);
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

enum class Fault { FolderAtTheFile, FileAtTheFolder, ReadOnlyConfigFolder };
} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void namesKeepTheirOwnValues_data();
    void namesKeepTheirOwnValues();
    void valueSurvivesImmediateProcessEnd();
    void damagedFileIsRepaired_data();
    void damagedFileIsRepaired();
    void faultIsReportedNotAssumed_data();
    void faultIsReportedNotAssumed();

private:
    QString freshName() { return m_environment.freshName(QStringLiteral("store")); }

    TestEnvironment m_environment;
};

void TestSettings::writtenValueReadsBack_data()
{
    QTest::addColumn<QString>("written");

    QTest::newRow("ISO date") << value;
    QTest::newRow("text with separators") << QStringLiteral("a, b; c=d [e]");
    QTest::newRow("non-ASCII") << QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c");
}

void TestSettings::writtenValueReadsBack()
{
    QFETCH(QString, written);
    const QString name = freshName();
    // Before the first write the key is absent, which is no fault.
    QCOMPARE(Settings::read(name, section, key), std::optional<QString>(QString()));
    QVERIFY(Settings::write(name, section, key, written));
    QCOMPARE(Settings::read(name, section, key), std::optional<QString>(written));
}

void TestSettings::namesKeepTheirOwnValues_data()
{
    QTest::addColumn<QString>("suffix");

    QTest::newRow("copy under another name") << QStringLiteral("-renamed");
    QTest::newRow("dotted name kept whole") << QStringLiteral("-1.15");
}

void TestSettings::namesKeepTheirOwnValues()
{
    QFETCH(QString, suffix);
    const QString name = freshName();
    const QString copy = name + suffix;
    QVERIFY(Settings::write(name, section, key, QStringLiteral("one")));
    QCOMPARE(Settings::read(copy, section, key), std::optional<QString>(QString()));
    QVERIFY(Settings::write(copy, section, key, QStringLiteral("two")));
    QCOMPARE(Settings::read(name, section, key), std::optional<QString>(QStringLiteral("one")));
    // Where the system keeps the values of that very name.
    QCOMPARE(m_environment.storeAsFound(copy)->value(section + QLatin1Char('/') + key),
             QVariant(QStringLiteral("two")));
}

void TestSettings::valueSurvivesImmediateProcessEnd()
{
    const QString name = freshName();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(writeThenEndArgument), name, value});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(Settings::read(name, section, key), std::optional<QString>(value));
}

void TestSettings::damagedFileIsRepaired_data()
{
    if (!settingsLiveInFiles)
        QSKIP("the settings are no file here");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("readsAs");

    QTest::newRow("unclosed section header, value still legible")
        << QByteArray("[Settings\nDuration=2026-01-01\n") << QStringLiteral("2026-01-01");
    QTest::newRow("binary garbage") << QByteArray("\xff\xfe\x00\x01[[[=\n", 9) << QString();
    QTest::newRow("value is a list") << QByteArray("[Settings]\nDuration=a, b\n") << QString();
}

void TestSettings::damagedFileIsRepaired()
{
    QFETCH(QByteArray, contents);
    const QString name = freshName();
    QVERIFY(writeFile(Settings::fileName(name), contents));

    // Damage must not make the store unreadable for ever: what can be read is given, and a new
    // value replaces the damage.
    QTEST(Settings::read(name, section, key).value_or(QStringLiteral("(unreadable)")), "readsAs");
    QVERIFY(Settings::write(name, section, key, value));
    QCOMPARE(Settings::read(name, section, key), std::optional<QString>(value));
}

void TestSettings::faultIsReportedNotAssumed_data()
{
    if (!settingsLiveInFiles)
        QSKIP("the settings are no file here");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<std::optional<QString>>("readsAs");

    // Even the superuser cannot read a folder as a file.
    QTest::newRow("a folder where the file belongs")
        << Fault::FolderAtTheFile << std::optional<QString>();
    QTest::newRow("a file where the application's folder belongs")
        << Fault::FileAtTheFolder << std::optional<QString>(QString());
    QTest::newRow("read-only config folder")
        << Fault::ReadOnlyConfigFolder << std::optional<QString>(QString());
}

void TestSettings::faultIsReportedNotAssumed()
{
    QFETCH(Fault, fault);
    if (fault == Fault::ReadOnlyConfigFolder && !configFolderCanBeClosed())
        QSKIP("the superuser writes into a read-only folder");
    const QString name = freshName();
    const QString file = Settings::fileName(name);
    const QString config = m_environment.configPath();
    const QFile::Permissions before = QFile::permissions(config);
    switch (fault) {
    case Fault::FolderAtTheFile:
        QVERIFY(QDir().mkpath(file));
        break;
    case Fault::FileAtTheFolder:
        QVERIFY(writeFile(QFileInfo(file).path(), "not a folder"));
        break;
    case Fault::ReadOnlyConfigFolder:
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner));
        break;
    }

    const std::optional<QString> read = Settings::read(name, section, key);
    const bool written = Settings::write(name, section, key, value);
    QFile::setPermissions(config, before);
    QTEST(read, "readsAs");
    QVERIFY(!written);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], writeThenEndArgument) == 0)
        return writeThenEnd(argv[2], argv[3]);
    QCoreApplication application(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
