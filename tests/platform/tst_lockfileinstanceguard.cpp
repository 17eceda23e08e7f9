// SPDX-License-Identifier: MIT
#include "platform/lockfileinstanceguard.h"
#include "testenvironment.h"

#include "lockholder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>

#include <QTest>

#include <memory>

namespace {
using FileStatus = struct stat;
} // namespace

class TestLockFileInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstCopyTakesTheLockAndKeepsIt();
    void lockHeldInAnotherProcessRefuses();
    void lockOfAKilledProcessIsTakenOver();
    void releasedLockLetsTheNextCopyIn();
    void whateverIsAtTheLockNeverBlocks_data();
    void whateverIsAtTheLockNeverBlocks();
    void withoutRuntimeFolderTheLockIsPrivate();
    void unusableLocationDoesNotRefuse_data();
    void unusableLocationDoesNotRefuse();
    void defaultPathIsPerApplicationNameInTheRuntimeFolder();
    void missingRuntimeFolderStillGivesAUsableLock();

private:
    QString lockPath(const QString &name) const
    {
        return m_environment.runtimePath() + QLatin1Char('/') + name + QStringLiteral(".lock");
    }

    TestEnvironment m_environment;
};

void TestLockFileInstanceGuard::firstCopyTakesTheLockAndKeepsIt()
{
    const QString path = lockPath(QStringLiteral("first"));
    LockFileInstanceGuard guard(path);
    QVERIFY(!guard.anotherCopyRunning());
    QVERIFY(QFile::exists(path));
    // Asking again is harmless: the lock is ours.
    QVERIFY(!guard.anotherCopyRunning());
    // Another guard, even in this process, sees the lock taken.
    LockFileInstanceGuard second(path);
    QVERIFY(second.anotherCopyRunning());
}

void TestLockFileInstanceGuard::lockHeldInAnotherProcessRefuses()
{
    const QString path = lockPath(QStringLiteral("held"));
    const std::unique_ptr<QProcess> holder = startLockHolder(QStringLiteral("held"));
    QVERIFY(holder);

    QVERIFY(LockFileInstanceGuard(path).anotherCopyRunning());
    // The holder keeps running, untouched.
    QCOMPARE(holder->state(), QProcess::Running);

    holder->closeWriteChannel();
    QVERIFY(holder->waitForFinished(10000));
    QCOMPARE(holder->exitCode(), 0);
}

void TestLockFileInstanceGuard::lockOfAKilledProcessIsTakenOver()
{
    const QString path = lockPath(QStringLiteral("stale"));
    const std::unique_ptr<QProcess> holder = startLockHolder(QStringLiteral("stale"));
    QVERIFY(holder);
    holder->kill();
    QVERIFY(holder->waitForFinished(10000));
    QCOMPARE(holder->exitStatus(), QProcess::CrashExit);
    QVERIFY2(QFile::exists(path), "a killed process leaves its lock file behind");

    LockFileInstanceGuard guard(path);
    QVERIFY(!guard.anotherCopyRunning());
    // And the lock is now really ours.
    QVERIFY(LockFileInstanceGuard(path).anotherCopyRunning());
}

void TestLockFileInstanceGuard::releasedLockLetsTheNextCopyIn()
{
    const QString path = lockPath(QStringLiteral("released"));
    LockFileInstanceGuard guard(path);
    QVERIFY(!guard.anotherCopyRunning());
    guard.release();
    QVERIFY(!LockFileInstanceGuard(path).anotherCopyRunning());
}

void TestLockFileInstanceGuard::whateverIsAtTheLockNeverBlocks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("guards");
    // Left behind by a crash or a power loss: the contents of the file mean nothing.
    QTest::newRow("empty file") << "empty" << true;
    QTest::newRow("garbage in the file") << "garbage" << true;
    // Put there by someone else: the program starts, unguarded, without waiting or spinning.
    QTest::newRow("named pipe") << "fifo" << false;
    QTest::newRow("link to an endless device") << "zero" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("link to a file") << "link" << false;
}

void TestLockFileInstanceGuard::whateverIsAtTheLockNeverBlocks()
{
    QFETCH(QString, kind);
    QFETCH(bool, guards);
    const QString path = lockPath(kind);
    const QByteArray encoded = QFile::encodeName(path);
    const QString target = m_environment.path() + QStringLiteral("/target");
    QFile file(kind == QLatin1String("link") ? target : path);
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
    } else if (kind == QLatin1String("zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind != QLatin1String("empty"))
            file.write("\x01\xff 12345 garbage\n");
        file.close();
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(target, path));
    }

    LockFileInstanceGuard guard(path);
    QVERIFY(!guard.anotherCopyRunning());
    QCOMPARE(LockFileInstanceGuard(path).anotherCopyRunning(), guards);
}

void TestLockFileInstanceGuard::withoutRuntimeFolderTheLockIsPrivate()
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const QString path = LockFileInstanceGuard::defaultLockFilePath(QStringLiteral("cubomancer"));
    qputenv("XDG_RUNTIME_DIR", saved);

    // Not the shared temporary folder, but a folder of the user's own.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QVERIFY2(path.startsWith(cache + QLatin1Char('/')), qPrintable(path));
    LockFileInstanceGuard guard(path);
    QVERIFY(!guard.anotherCopyRunning());
    QVERIFY(LockFileInstanceGuard(path).anotherCopyRunning());
    FileStatus folder{};
    FileStatus file{};
    QCOMPARE(::stat(QFile::encodeName(QFileInfo(path).path()).constData(), &folder), 0);
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &file), 0);
    QCOMPARE(folder.st_mode & 0777, mode_t(0700));
    QCOMPARE(file.st_mode & 0777, mode_t(0600));
}

void TestLockFileInstanceGuard::unusableLocationDoesNotRefuse_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("folder does not exist")
        << m_environment.path() + QStringLiteral("/no/such/folder/x.lock");
    QTest::newRow("a file where the folder should be")
        << m_environment.path() + QStringLiteral("/plainfile/x.lock");
}

void TestLockFileInstanceGuard::unusableLocationDoesNotRefuse()
{
    QFETCH(QString, path);
    QFile plain(m_environment.path() + QStringLiteral("/plainfile"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(!LockFileInstanceGuard(path).anotherCopyRunning());
}

void TestLockFileInstanceGuard::defaultPathIsPerApplicationNameInTheRuntimeFolder()
{
    const QString path = LockFileInstanceGuard::defaultLockFilePath(QStringLiteral("cubomancer"));
    QCOMPARE(path, lockPath(QStringLiteral("cubomancer")));
    QVERIFY(LockFileInstanceGuard::defaultLockFilePath(QStringLiteral("renamed")) != path);
}

void TestLockFileInstanceGuard::missingRuntimeFolderStillGivesAUsableLock()
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", (m_environment.path() + QStringLiteral("/gone")).toUtf8());
    const QString path = LockFileInstanceGuard::defaultLockFilePath(QStringLiteral("cubomancer"));
    qputenv("XDG_RUNTIME_DIR", saved);

    QVERIFY(!path.isEmpty());
    QVERIFY(QDir(QFileInfo(path).path()).exists());
    LockFileInstanceGuard guard(path);
    QVERIFY(!guard.anotherCopyRunning());
    QVERIFY(LockFileInstanceGuard(path).anotherCopyRunning());
    guard.release();
}

int main(int argc, char *argv[])
{
    int status = 0;
    if (runLockHolderIfAsked(argc, argv, status))
        return status;
    QCoreApplication application(argc, argv);
    TestLockFileInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lockfileinstanceguard.moc"
