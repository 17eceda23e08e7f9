// SPDX-License-Identifier: MIT
#include "lockholder.h"
#include "platform/instanceguard.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {
// Where the guard is a lock file, its name is the file's path.
bool guardIsAFile()
{
    return QDir::isAbsolutePath(InstanceGuard::nameFor(QStringLiteral("probe")));
}

bool isPrivate(const QString &path)
{
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    return !(QFile::permissions(path) & others);
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstCopyHoldsTheGuardUntilItGoes();
    void guardOfAnotherProcess_data();
    void guardOfAnotherProcess();
    void whateverIsAtTheLockNeverBlocks_data();
    void whateverIsAtTheLockNeverBlocks();
    void lockFolder_data();
    void lockFolder();

private:
    QString freshName() { return m_environment.freshName(QStringLiteral("guard")); }

    TestEnvironment m_environment;
};

void TestInstanceGuard::firstCopyHoldsTheGuardUntilItGoes()
{
    const QString name = freshName();
    const QString copy = name + QStringLiteral("-1.15");
    {
        InstanceGuard first(InstanceGuard::nameFor(name));
        QVERIFY(!first.anotherCopyRunning());
        // Asking again is harmless: the guard is ours.
        QVERIFY(!first.anotherCopyRunning());
        QVERIFY(InstanceGuard(InstanceGuard::nameFor(name)).anotherCopyRunning());
        // A copy under another file name, dotted or not, has a guard of its own.
        InstanceGuard renamed(InstanceGuard::nameFor(copy));
        QVERIFY(!renamed.anotherCopyRunning());
        QVERIFY(InstanceGuard(InstanceGuard::nameFor(copy)).anotherCopyRunning());
    }
    QVERIFY(!InstanceGuard(InstanceGuard::nameFor(name)).anotherCopyRunning());
}

void TestInstanceGuard::guardOfAnotherProcess_data()
{
    QTest::addColumn<bool>("killed");

    QTest::newRow("held by a running copy") << false;
    QTest::newRow("left by a killed copy") << true;
}

void TestInstanceGuard::guardOfAnotherProcess()
{
    QFETCH(bool, killed);
    const QString name = freshName();
    const std::unique_ptr<QProcess> holder = startLockHolder(name);
    QVERIFY(holder);
    if (killed) {
        holder->kill();
        QVERIFY(holder->waitForFinished(10000));
        if (guardIsAFile())
            QVERIFY2(QFile::exists(InstanceGuard::nameFor(name)), "no lock file left behind");
    }

    InstanceGuard guard(InstanceGuard::nameFor(name));
    QCOMPARE(guard.anotherCopyRunning(), !killed);
    if (killed) {
        // Taken over, and now really ours.
        QVERIFY(InstanceGuard(InstanceGuard::nameFor(name)).anotherCopyRunning());
        return;
    }
    QCOMPARE(holder->state(), QProcess::Running);
    holder->closeWriteChannel();
    QVERIFY(holder->waitForFinished(10000));
    QCOMPARE(holder->exitCode(), 0);
}

void TestInstanceGuard::whateverIsAtTheLockNeverBlocks_data()
{
    if (!guardIsAFile())
        QSKIP("the guard is no file here");
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("guards");

    // Left behind by a crash or a power loss: the contents of the file mean nothing.
    QTest::newRow("empty file") << "empty" << true;
    QTest::newRow("left-over text") << "left-over" << true;
    // Put there by someone else, or nowhere to put it: the program starts, unguarded, without
    // waiting or spinning.
    QTest::newRow("named pipe") << "fifo" << false;
    QTest::newRow("link to an endless device") << "device" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("link to a file") << "link" << false;
    QTest::newRow("folder does not exist") << "gone/x.lock" << false;
    QTest::newRow("a file where the folder belongs") << "empty/x.lock" << false;
}

void TestInstanceGuard::whateverIsAtTheLockNeverBlocks()
{
    QFETCH(QString, lock);
    const QDir folder(m_environment.path() + QLatin1Char('/') + QTest::currentDataTag());
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("empty")), {}));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("left-over")), "\x01\xff 12345 garbage\n"));
    QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {folder.filePath(QStringLiteral("fifo"))}),
             0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("device"))));
    QVERIFY(folder.mkpath(QStringLiteral("folder")));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("empty")),
                        folder.filePath(QStringLiteral("link"))));

    InstanceGuard guard(folder.filePath(lock));
    QVERIFY(!guard.anotherCopyRunning());
    QTEST(InstanceGuard(folder.filePath(lock)).anotherCopyRunning(), "guards");
}

void TestInstanceGuard::lockFolder_data()
{
    if (!guardIsAFile())
        QSKIP("the guard is no file here");
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<bool>("inRuntime");

    QTest::newRow("private runtime folder") << "runtime" << true;
    QTest::newRow("no runtime folder named") << QString() << false;
    QTest::newRow("runtime folder missing") << "gone" << false;
    QTest::newRow("runtime folder open to others") << "open" << false;
    QTest::newRow("runtime folder is a link") << "link" << false;
}

// Never the shared temporary folder, where another user could put anything at a name known in
// advance: without a private runtime folder, a private folder in the user's cache.
void TestInstanceGuard::lockFolder()
{
    QFETCH(QString, runtime);
    QFETCH(bool, inRuntime);
    const QDir root(m_environment.path());
    QVERIFY(root.mkpath(QStringLiteral("open")));
    QVERIFY(QFile::setPermissions(root.filePath(QStringLiteral("open")),
                                  QFile::permissions(m_environment.runtimePath()) |
                                      QFile::ReadOther | QFile::ExeOther));
    QFile::link(m_environment.runtimePath(), root.filePath(QStringLiteral("link")));
    const ScopedVariable variable("XDG_RUNTIME_DIR",
                                  runtime.isNull() ? QByteArray()
                                                   : QFile::encodeName(root.filePath(runtime)));
    const QString name = freshName();

    const QString lock = InstanceGuard::nameFor(name);
    const QString folder =
        inRuntime ? m_environment.runtimePath()
                  : QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                        .filePath(name);
    QCOMPARE(QFileInfo(lock).path(), folder);
    QVERIFY(isPrivate(folder));
    InstanceGuard guard(lock);
    QVERIFY(!guard.anotherCopyRunning());
    QVERIFY(InstanceGuard(lock).anotherCopyRunning());
    QVERIFY(isPrivate(lock));
}

int main(int argc, char *argv[])
{
    int status = 0;
    if (runLockHolderIfAsked(argc, argv, status))
        return status;
    QCoreApplication application(argc, argv);
    TestInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instanceguard.moc"
