// SPDX-License-Identifier: MIT
#include "app/shutdown.h"
#include "fakeplatform.h"
#include "platform/openwindows.h"
#include "platform/programwindow.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

namespace {
// A window whose unload handler does what the test asks and leaves a line in the log.
class TestWindow final : public ProgramWindow<QWidget>
{
public:
    TestWindow(OpenWindows &windows, QString name, QStringList &log)
        : ProgramWindow<QWidget>(windows), m_name(std::move(name)), m_log(log)
    {
    }

    std::function<void()> onUnload;

protected:
    void Form_Unload() override
    {
        m_log.append(m_name);
        if (onUnload)
            onUnload();
    }

private:
    QString m_name;
    QStringList &m_log;
};

// A window that cannot even begin its unload.
class StuckWindow final : public LoadedWindow
{
public:
    explicit StuckWindow(OpenWindows &windows) : m_windows(windows) { m_windows.add(this); }
    ~StuckWindow() override { m_windows.remove(this); }
    void unload() override { ++attempts; }
    bool isUnloading() const override { return false; }
    int attempts = 0;

private:
    OpenWindows &m_windows;
};

// The collection of one test. Windows unloaded during the test delete themselves later; the
// collection deletes those still loaded when it goes.
struct Scope
{
    ~Scope() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TestWindow *window(const QString &name, QStringList &log)
    {
        return new TestWindow(windows, name, log);
    }

    OpenWindows windows;
};

// What each window's unload handler does.
enum class Handler { Nothing, EndsProgram };
} // namespace

Q_DECLARE_METATYPE(Handler)
Q_DECLARE_METATYPE(QList<Handler>)

class TestShutdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sweep_data();
    void sweep();
    void closeBoxOfAWindowThatEndsTheProgram_data();
    void closeBoxOfAWindowThatEndsTheProgram();
    void windowLoadedDuringTheSweepGoesToo();
    void windowThatCannotBeginItsUnloadDoesNotHangTheEnd();
    void laterCallsAfterTheEndDoNothing();
    void collectionDeletesTheWindowsStillLoaded();
};

void TestShutdown::sweep_data()
{
    QTest::addColumn<QList<Handler>>("handlers");

    using H = Handler;
    QTest::newRow("no window open") << QList<Handler>{};
    QTest::newRow("start-up window alone") << QList<Handler>{H::EndsProgram};
    QTest::newRow("start-up then farewell, both end the program")
        << QList<Handler>{H::EndsProgram, H::EndsProgram};
    QTest::newRow("main window first, start-up window last")
        << QList<Handler>{H::Nothing, H::EndsProgram};
    QTest::newRow("start-up, main window, farewell")
        << QList<Handler>{H::EndsProgram, H::Nothing, H::EndsProgram};
    QTest::newRow("plain windows only") << QList<Handler>{H::Nothing, H::Nothing, H::Nothing};
}

void TestShutdown::sweep()
{
    QFETCH(QList<Handler>, handlers);
    Scope scope;
    OpenWindows &windows = scope.windows;
    RecordingProcessEnd processEnd;
    Shutdown shutdown(windows, processEnd);
    QStringList log;
    processEnd.onEnd = [&log] { log.append(QStringLiteral("end")); };

    QList<QPointer<TestWindow>> opened;
    QStringList names;
    for (qsizetype i = 0; i < handlers.size(); ++i) {
        names.append(QStringLiteral("window %1").arg(i));
        auto *window = scope.window(names.last(), log);
        switch (handlers.at(i)) {
        case Handler::Nothing:
            break;
        case Handler::EndsProgram:
            window->onUnload = [&shutdown] { shutdown.EndProgram(); };
            break;
        }
        opened.append(window);
    }

    shutdown.EndProgram();

    // Every window unloaded exactly once, in the collection's order, and the end comes last:
    // no handler runs after it.
    QCOMPARE(log, names + QStringList{QStringLiteral("end")});
    QCOMPARE(processEnd.statuses, QList<int>{0});
    QVERIFY(shutdown.endRequested());
    for (const QPointer<TestWindow> &window : opened) {
        QVERIFY(window);
        QVERIFY(window->isUnloading());
    }
    QCOMPARE(windows.count(), 0);
}

void TestShutdown::closeBoxOfAWindowThatEndsTheProgram_data()
{
    QTest::addColumn<int>("closedWindow");

    QTest::newRow("farewell closed, start-up window first in order") << 1;
    QTest::newRow("farewell closed, farewell first in order") << 0;
}

void TestShutdown::closeBoxOfAWindowThatEndsTheProgram()
{
    QFETCH(int, closedWindow);
    Scope scope;
    OpenWindows &windows = scope.windows;
    RecordingProcessEnd processEnd;
    Shutdown shutdown(windows, processEnd);
    QStringList log;
    processEnd.onEnd = [&log] { log.append(QStringLiteral("end")); };
    QList<QPointer<TestWindow>> opened;
    for (const QString &name : {QStringLiteral("first"), QStringLiteral("second")}) {
        auto *window = scope.window(name, log);
        window->onUnload = [&shutdown] { shutdown.EndProgram(); };
        window->show();
        opened.append(window);
    }

    // The close box starts the unload before any sweep: the closed window is skipped by all.
    QVERIFY(opened.at(closedWindow)->close());

    QCOMPARE(log.size(), 3);
    QCOMPARE(log.first(), closedWindow == 0 ? QStringLiteral("first") : QStringLiteral("second"));
    QCOMPARE(log.count(QStringLiteral("first")), 1);
    QCOMPARE(log.count(QStringLiteral("second")), 1);
    QCOMPARE(log.last(), QStringLiteral("end"));
    QCOMPARE(processEnd.statuses, QList<int>{0});
    QCOMPARE(windows.count(), 0);
}

void TestShutdown::windowLoadedDuringTheSweepGoesToo()
{
    Scope scope;
    OpenWindows &windows = scope.windows;
    RecordingProcessEnd processEnd;
    Shutdown shutdown(windows, processEnd);
    QStringList log;
    QPointer<TestWindow> late;
    auto *first = scope.window(QStringLiteral("first"), log);
    first->onUnload = [&] { late = scope.window(QStringLiteral("late"), log); };

    shutdown.EndProgram();

    QCOMPARE(log, QStringList({QStringLiteral("first"), QStringLiteral("late")}));
    QCOMPARE(processEnd.statuses, QList<int>{0});
    QCOMPARE(windows.count(), 0);
}

void TestShutdown::windowThatCannotBeginItsUnloadDoesNotHangTheEnd()
{
    Scope scope;
    OpenWindows &windows = scope.windows;
    RecordingProcessEnd processEnd;
    Shutdown shutdown(windows, processEnd);
    StuckWindow stuck(windows);

    shutdown.EndProgram();

    QCOMPARE(stuck.attempts, 1);
    QCOMPARE(processEnd.statuses, QList<int>{0});
}

void TestShutdown::laterCallsAfterTheEndDoNothing()
{
    Scope scope;
    OpenWindows &windows = scope.windows;
    RecordingProcessEnd processEnd;
    Shutdown shutdown(windows, processEnd);
    QStringList log;
    shutdown.EndProgram();
    scope.window(QStringLiteral("afterwards"), log);

    shutdown.EndProgram();

    QVERIFY(log.isEmpty());
    QCOMPARE(processEnd.statuses, QList<int>{0});
}

void TestShutdown::collectionDeletesTheWindowsStillLoaded()
{
    QStringList log;
    QPointer<TestWindow> loaded;
    QPointer<TestWindow> unloaded;
    {
        OpenWindows windows;
        loaded = new TestWindow(windows, QStringLiteral("loaded"), log);
        unloaded = new TestWindow(windows, QStringLiteral("unloaded"), log);
        unloaded->unload();
    }

    // The loaded window went with its collection, without an unload; the unloaded one deletes
    // itself later, without touching the collection that is gone.
    QVERIFY(!loaded);
    QVERIFY(unloaded);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!unloaded);
    QCOMPARE(log, QStringList{QStringLiteral("unloaded")});
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
