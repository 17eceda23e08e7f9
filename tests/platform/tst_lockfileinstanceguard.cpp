// SPDX-License-Identifier: MIT
#include "platform/lockfileinstanceguard.h"
#include "testenvironment.h"

#include "lockholder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <QTest>

#include <memory>

namespace {

} // namespace

class TestLockFileInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstCopyTakesTheLockAndKeepsIt();
    void lockHeldInAnotherProcessRefuses();
    void lockOfAKilledProcessIsTakenOver();
    void releasedLockLetsTheNextCopyIn();
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
    const std::unique_ptr<QProcess> holder = startLockHolder(path);
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
    const std::unique_ptr<QProcess> holder = startLockHolder(path);
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
    QVERIFY(!QFile::exists(path));
    QVERIFY(!LockFileInstanceGuard(path).anotherCopyRunning());
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
