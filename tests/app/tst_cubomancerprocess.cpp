// SPDX-License-Identifier: MIT
#include "platform/lockfileinstanceguard.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

// Starts the real program, headless, in a home of its own.
class TestCubomancerProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void firstStartStoresTodayAndHoldsTheLock_data();
    void firstStartStoresTodayAndHoldsTheLock();
    void secondCopyStopsBeforeTheReminder();

private:
    QProcess *launch(const QString &program);
    static bool waitFor(const std::function<bool()> &condition);
    QString storedDate(const QString &name) const;
    QString settingsFile(const QString &name) const;
    QString installCopy(const QString &fileName) const;

    TestEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

QProcess *TestCubomancerProcess::launch(const QString &program)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, {});
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

bool TestCubomancerProcess::waitFor(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(20000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

QString TestCubomancerProcess::settingsFile(const QString &name) const
{
    return m_environment.configPath() + QLatin1Char('/') + name + QLatin1Char('/') + name +
           QStringLiteral(".conf");
}

QString TestCubomancerProcess::installCopy(const QString &fileName) const
{
    const QString program = m_environment.path() + QStringLiteral("/bin/") + fileName;
    QDir().mkpath(QFileInfo(program).path());
    if (!QFile::exists(program))
        QFile::copy(QStringLiteral(CUBOMANCER_EXECUTABLE), program);
    return program;
}

QString TestCubomancerProcess::storedDate(const QString &name) const
{
    QSettings file(settingsFile(name), QSettings::IniFormat);
    return file.value(QStringLiteral("Settings/Duration")).toString();
}

void TestCubomancerProcess::cleanup()
{
    // A termination signal may end the program plainly.
    for (const std::unique_ptr<QProcess> &process : m_processes) {
        process->terminate();
        if (!process->waitForFinished(10000))
            process->kill();
    }
    m_processes.clear();
}

void TestCubomancerProcess::firstStartStoresTodayAndHoldsTheLock_data()
{
    QTest::addColumn<QString>("fileName");

    QTest::newRow("as installed") << QStringLiteral("cubomancer");
    QTest::newRow("copy under another name") << QStringLiteral("divination-toy");
    QTest::newRow("dotted name kept whole") << QStringLiteral("cubomancer-1.15");
}

void TestCubomancerProcess::firstStartStoresTodayAndHoldsTheLock()
{
    QFETCH(QString, fileName);
    const QString program = installCopy(fileName);
    QVERIFY(QFileInfo(program).isExecutable());
    const QString lock =
        m_environment.runtimePath() + QLatin1Char('/') + fileName + QStringLiteral(".lock");

    QProcess *process = launch(program);

    QVERIFY(process->waitForStarted());
    QVERIFY(waitFor([&] { return !storedDate(fileName).isEmpty(); }));
    QCOMPARE(storedDate(fileName), QDate::currentDate().toString(Qt::ISODate));
    QVERIFY(waitFor([&] { return QFile::exists(lock); }));
    QVERIFY(LockFileInstanceGuard(lock).anotherCopyRunning());
    QCOMPARE(process->state(), QProcess::Running);
}

void TestCubomancerProcess::secondCopyStopsBeforeTheReminder()
{
    // A name of its own, so the first copy's date is its own first-start date.
    const QString name = QStringLiteral("secondcopy");
    const QString program = installCopy(name);
    QProcess *first = launch(program);
    QVERIFY(waitFor([&] { return !storedDate(name).isEmpty(); }));
    // A date the reminder would replace on the spot, were it to run.
    QSettings(settingsFile(name), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/Duration"), QStringLiteral("not a date"));

    QProcess *second = launch(program);
    QVERIFY(second->waitForStarted());
    // The second copy waits at its "already running" box; it never reached the reminder.
    QVERIFY(!second->waitForFinished(1500));
    QCOMPARE(storedDate(name), QStringLiteral("not a date"));
    QCOMPARE(first->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestCubomancerProcess)
#include "tst_cubomancerprocess.moc"
