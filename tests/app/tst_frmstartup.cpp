// SPDX-License-Identifier: MIT
#include "app/frmstartup.h"
#include "app/shutdown.h"
#include "fakeplatform.h"
#include "lockholder.h"
#include "platform/instanceguard.h"
#include "testenvironment.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace {
const QString alreadyRunning = QStringLiteral("Application is already running");

// Where a step should fail.
enum class Fault { None, InstanceQuery, Seeding, SettingsStore, MainWindow, CoBrand };

class LoggingGuard final : public InstanceGuard
{
public:
    explicit LoggingGuard(QStringList &log) : m_log(log) {}
    bool anotherCopyRunning() override
    {
        m_log.append(QStringLiteral("instance query"));
        if (fails)
            throw std::runtime_error("no answer");
        return running;
    }
    bool running = false;
    bool fails = false;

private:
    QStringList &m_log;
};

class LoggingRandom final : public RandomSource
{
public:
    explicit LoggingRandom(QStringList &log) : m_log(log) {}
    void reseed(std::uint64_t seed) override
    {
        if (fails)
            throw std::runtime_error("no seed");
        m_log.append(QStringLiteral("seed %1").arg(seed));
    }
    float next() override { return 0.5f; }
    bool fails = false;

private:
    QStringList &m_log;
};

class LoggingBrowser final : public Browser
{
public:
    explicit LoggingBrowser(QStringList &log) : m_log(log) {}
    void open(const QString &address) override { m_log.append(QStringLiteral("open ") + address); }

private:
    QStringList &m_log;
};

class ThrowingSettings final : public SettingsStore
{
public:
    std::optional<QString> read(const QString &, const QString &) override
    {
        throw std::runtime_error("store gone");
    }
    bool write(const QString &, const QString &, const QString &) override
    {
        throw std::runtime_error("store gone");
    }
};

// The main window's steps, as the program's lifetime supplies them.
class FakeStarter final
{
public:
    explicit FakeStarter(QStringList &log) : m_log(log) {}
    void showMainWindow()
    {
        if (fault == Fault::MainWindow)
            throw std::runtime_error("cannot show");
        m_log.append(QStringLiteral("main window shown"));
        shown = true;
    }
    std::optional<qint16> randomizeCoBrand()
    {
        if (fault == Fault::CoBrand)
            throw std::runtime_error("cannot draw");
        m_log.append(QStringLiteral("co-brand"));
        if (!shown)
            return std::nullopt;
        return qint16(5);
    }
    Fault fault = Fault::None;
    bool shown = false;

private:
    QStringList &m_log;
};

// Counts every show of a start-up window, whenever it happens.
class ShowCounter final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<frmStartup *>(watched))
            ++shows;
        return false;
    }
    int shows = 0;
};

// Everything the start-up window is made with, logging what it is asked to do.
struct Rig
{
    explicit Rig(InstanceGuard *realGuard = nullptr) : guardInUse(realGuard ? *realGuard : guard)
    {
        messages.onShow = [this](const QString &text) {
            log.append(QStringLiteral("box ") + text);
        };
        processEnd.onEnd = [this] { log.append(QStringLiteral("end")); };
        clock.seedValue = 42;
        qApp->installEventFilter(&showCounter);
    }

    ~Rig()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete window.data();
    }

    frmStartup *start() { return start(reminder); }

    frmStartup *start(UpdateReminder &reminderInUse)
    {
        window = new frmStartup(
            windows, guardInUse, messages, clock, random, reminderInUse, shutdown,
            [this] { starter.showMainWindow(); }, [this] { return starter.randomizeCoBrand(); });
        return window;
    }

    QStringList log;
    LoggingGuard guard{log};
    InstanceGuard &guardInUse;
    LoggingRandom random{log};
    LoggingBrowser browser{log};
    ScriptedMessageBoxes messages;
    MemorySettings settings;
    ThrowingSettings throwingSettings;
    SettingsStore *settingsInUse = &settings;
    FixedClock clock;
    RecordingProcessEnd processEnd;
    FakeStarter starter{log};
    ShowCounter showCounter;
    OpenWindows windows;
    Shutdown shutdown{windows, processEnd};
    WebLinks links{browser};
    UpdateReminder reminder{*settingsInUse, clock, messages, links};
    QPointer<frmStartup> window;
};

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(std::optional<MessageAnswer>)

class TestFrmStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startOrder_data();
    void startOrder();
    void failingStepIsSkipped_data();
    void failingStepIsSkipped();
    void secondCopyIsRefused_data();
    void secondCopyIsRefused();
    void unloadingTheStartupWindowEndsTheProgram();
    void lockHeldByAnotherProcessRefusesTheStart();
    void lockOfAKilledProcessDoesNotBlockTheStart();

private:
    TestEnvironment m_environment;
};

void TestFrmStartup::startOrder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<std::optional<MessageAnswer>>("answer");
    QTest::addColumn<QStringList>("expected");

    const QString question = QStringLiteral("box ") + UpdateReminder::questionText();
    const QString download = QStringLiteral("open ") + WebLinks::downloadPageAddress();
    const QStringList before{QStringLiteral("instance query"), QStringLiteral("seed 42")};
    const QStringList after{QStringLiteral("main window shown"), QStringLiteral("co-brand")};

    QTest::newRow("first start") << QString() << std::optional<MessageAnswer>() << before + after;
    QTest::newRow("reminder not due")
        << QStringLiteral("2026-12-01") << std::optional<MessageAnswer>() << before + after;
    QTest::newRow("reminder due, answered Yes")
        << QStringLiteral("2026-01-01") << std::optional<MessageAnswer>(MessageAnswer::Yes)
        << before + QStringList{question, download} + after;
    QTest::newRow("reminder due, answered No")
        << QStringLiteral("2026-01-01") << std::optional<MessageAnswer>(MessageAnswer::No)
        << before + QStringList{question} + after;
}

void TestFrmStartup::startOrder()
{
    QFETCH(QString, stored);
    QFETCH(std::optional<MessageAnswer>, answer);
    QFETCH(QStringList, expected);
    Rig rig;
    if (!stored.isEmpty())
        rig.settings.values.insert(QStringLiteral("Settings/Duration"), stored);
    if (answer)
        rig.messages.answers = {*answer};

    frmStartup *window = rig.start();

    QCOMPARE(rig.log, expected);
    QCOMPARE(window->intCoBrandRandomNumber, qint16(5));
    QVERIFY(rig.windows.contains(window));
    QVERIFY(window->isHidden());
    QCOMPARE(rig.showCounter.shows, 0);
    QVERIFY(!rig.shutdown.endRequested());
}

void TestFrmStartup::failingStepIsSkipped_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<qint16>("coBrand");

    const QString query = QStringLiteral("instance query");
    const QString seed = QStringLiteral("seed 42");
    const QString main = QStringLiteral("main window shown");
    const QString coBrand = QStringLiteral("co-brand");

    QTest::newRow("instance query fails: start as the only copy")
        << Fault::InstanceQuery << QStringList{query, seed, main, coBrand} << qint16(5);
    QTest::newRow("seeding fails")
        << Fault::Seeding << QStringList{query, main, coBrand} << qint16(5);
    QTest::newRow("reminder's store throws")
        << Fault::SettingsStore << QStringList{query, seed, main, coBrand} << qint16(5);
    QTest::newRow("main window fails: still hidden, co-brand finds no window")
        << Fault::MainWindow << QStringList{query, seed, coBrand} << qint16(0);
    QTest::newRow("co-brand fails")
        << Fault::CoBrand << QStringList{query, seed, main} << qint16(0);
}

void TestFrmStartup::failingStepIsSkipped()
{
    QFETCH(Fault, fault);
    QFETCH(QStringList, expected);
    QFETCH(qint16, coBrand);
    Rig rig;
    rig.guard.fails = fault == Fault::InstanceQuery;
    rig.random.fails = fault == Fault::Seeding;
    rig.starter.fault = fault;
    if (fault == Fault::SettingsStore)
        rig.settingsInUse = &rig.throwingSettings;
    UpdateReminder reminder(*rig.settingsInUse, rig.clock, rig.messages, rig.links);
    rig.start(reminder);

    QCOMPARE(rig.log, expected);
    QCOMPARE(rig.window->intCoBrandRandomNumber, coBrand);
    QVERIFY(rig.window->isHidden());
    QVERIFY(rig.windows.contains(rig.window));
    QVERIFY(!rig.shutdown.endRequested());
}

void TestFrmStartup::secondCopyIsRefused_data()
{
    QTest::addColumn<bool>("boxFails");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("box shown, then the end")
        << false
        << QStringList{QStringLiteral("instance query"), QStringLiteral("box ") + alreadyRunning,
                       QStringLiteral("end")};
    QTest::newRow("box cannot be shown: ends all the same")
        << true
        << QStringList{QStringLiteral("instance query"), QStringLiteral("box ") + alreadyRunning,
                       QStringLiteral("end")};
}

void TestFrmStartup::secondCopyIsRefused()
{
    QFETCH(bool, boxFails);
    QFETCH(QStringList, expected);
    Rig rig;
    rig.guard.running = true;
    if (boxFails) {
        rig.messages.onShow = [&rig](const QString &text) {
            rig.log.append(QStringLiteral("box ") + text);
            throw std::runtime_error("no box");
        };
    }

    frmStartup *window = rig.start();

    QCOMPARE(rig.log, expected);
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.first().icon, MessageIcon::Information);
    QCOMPARE(rig.messages.shown.first().buttons, MessageButtons::Ok);
    QCOMPARE(rig.processEnd.statuses, QList<int>{0});
    // The start-up window was swept away on the way out, never shown.
    QVERIFY(!rig.windows.contains(window));
    QCOMPARE(rig.showCounter.shows, 0);
    QVERIFY(!rig.starter.shown);
}

void TestFrmStartup::unloadingTheStartupWindowEndsTheProgram()
{
    Rig rig;
    frmStartup *window = rig.start();
    QVERIFY(!rig.shutdown.endRequested());

    // As when the desktop session ends.
    window->unload();

    QCOMPARE(rig.processEnd.statuses, QList<int>{0});
    QCOMPARE(rig.windows.count(), 0);
    QCOMPARE(rig.showCounter.shows, 0);
}

void TestFrmStartup::lockHeldByAnotherProcessRefusesTheStart()
{
    const QString name = QStringLiteral("held");
    const std::unique_ptr<QProcess> holder = startLockHolder(name);
    QVERIFY(holder);
    const std::unique_ptr<InstanceGuard> guard = systemInstanceGuard(name);
    Rig rig(guard.get());

    rig.start();

    QCOMPARE(rig.messages.texts(), QStringList{alreadyRunning});
    QCOMPARE(rig.processEnd.statuses, QList<int>{0});
    QVERIFY(!rig.starter.shown);
    // The running copy is left alone, and a copy under another file name has a guard of its own.
    QCOMPARE(holder->state(), QProcess::Running);
    QVERIFY(!systemInstanceGuard(name + QStringLiteral("-renamed"))->anotherCopyRunning());
    holder->closeWriteChannel();
    QVERIFY(holder->waitForFinished(10000));
}

void TestFrmStartup::lockOfAKilledProcessDoesNotBlockTheStart()
{
    const QString name = QStringLiteral("stale");
    const std::unique_ptr<QProcess> holder = startLockHolder(name);
    QVERIFY(holder);
    holder->kill();
    QVERIFY(holder->waitForFinished(10000));
    const std::unique_ptr<InstanceGuard> guard = systemInstanceGuard(name);
    Rig rig(guard.get());

    rig.start();

    QVERIFY(rig.messages.shown.isEmpty());
    QVERIFY(rig.starter.shown);
    QVERIFY(!rig.shutdown.endRequested());
}

int main(int argc, char *argv[])
{
    int status = 0;
    if (runLockHolderIfAsked(argc, argv, status))
        return status;
    QApplication application(argc, argv);
    TestFrmStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmstartup.moc"
