// SPDX-License-Identifier: MIT
#include "app/frmstartup.h"
#include "app/programlifetime.h"
#include "divination/frmmain.h"
#include "fakeplatform.h"
#include "farewell/frmfarewell.h"
#include "platform/programwindow.h"
#include "platform/topmostplacement.h"
#include "testenvironment.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace {
QList<QWidget *> visibleWindows()
{
    QList<QWidget *> visible;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            visible.append(widget);
    }
    return visible;
}

struct Run
{
    Run() { fake.random.values = {0.5f}; }
    ~Run() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FakePlatform fake;
    ProgramLifetime lifetime{fake.platform()};
};
} // namespace

class TestProgramLifetime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void normalStartShowsOnlyTheMainWindow();
    void dueQuestionComesBeforeAnyWindow_data();
    void dueQuestionComesBeforeAnyWindow();
    void failingReminderStillLeadsToTheMainWindow();
    void secondCopyShowsNoWindow();
    void closingTheMainWindowBringsUpTheFarewellScreen_data();
    void closingTheMainWindowBringsUpTheFarewellScreen();
    void endOfSessionEndsTheProgram();
    void endOfSessionDuringAStartupBoxEndsAtOnce_data();
    void endOfSessionDuringAStartupBoxEndsAtOnce();

private:
    TestEnvironment m_environment;
};

void TestProgramLifetime::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleWindows(), QList<QWidget *>{});
}

void TestProgramLifetime::normalStartShowsOnlyTheMainWindow()
{
    Run run;
    run.lifetime.start();

    frmMain *main = run.lifetime.mainWindow();
    frmStartup *startup = run.lifetime.startupWindow();
    QVERIFY(main);
    QVERIFY(startup);
    QCOMPARE(visibleWindows(), QList<QWidget *>{main});
    QVERIFY(run.lifetime.openWindows().contains(startup));
    QVERIFY(run.lifetime.openWindows().contains(main));
    QCOMPARE(run.fake.random.seeds, QList<std::uint64_t>{run.fake.clock.seedValue});
    // A draw of 0.5 gives 6 * 0.5 + 1 = 4.
    QCOMPARE(startup->intCoBrandRandomNumber, qint16(4));
    QVERIFY(run.fake.processEnd.statuses.isEmpty());
}

void TestProgramLifetime::dueQuestionComesBeforeAnyWindow_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<int>("pagesOpened");

    QTest::newRow("Yes") << MessageAnswer::Yes << 1;
    QTest::newRow("No") << MessageAnswer::No << 0;
}

void TestProgramLifetime::dueQuestionComesBeforeAnyWindow()
{
    QFETCH(MessageAnswer, answer);
    QFETCH(int, pagesOpened);
    Run run;
    run.fake.settings.values.insert(QStringLiteral("Settings/Duration"),
                                    QStringLiteral("2026-01-01"));
    run.fake.messages.answers = {answer};
    QList<QWidget *> visibleDuringQuestion{nullptr};
    bool mainWindowExisted = true;
    run.fake.messages.onShow = [&](const QString &) {
        visibleDuringQuestion = visibleWindows();
        mainWindowExisted = run.lifetime.mainWindow() != nullptr;
    };

    run.lifetime.start();

    QCOMPARE(run.fake.messages.shown.size(), 1);
    QCOMPARE(visibleDuringQuestion, QList<QWidget *>{});
    QVERIFY(!mainWindowExisted);
    QCOMPARE(run.fake.browser.opened.size(), pagesOpened);
    QVERIFY(run.lifetime.mainWindow());
    QCOMPARE(visibleWindows(), QList<QWidget *>{run.lifetime.mainWindow()});
}

void TestProgramLifetime::failingReminderStillLeadsToTheMainWindow()
{
    Run run;
    run.fake.settings.readable = false;
    run.fake.settings.writable = false;

    run.lifetime.start();

    QVERIFY(run.fake.messages.shown.isEmpty());
    QVERIFY(run.lifetime.mainWindow());
    QCOMPARE(visibleWindows(), QList<QWidget *>{run.lifetime.mainWindow()});
}

void TestProgramLifetime::secondCopyShowsNoWindow()
{
    Run run;
    run.fake.instance.running = true;
    QList<QWidget *> visibleDuringBox{nullptr};
    run.fake.messages.onShow = [&](const QString &) { visibleDuringBox = visibleWindows(); };

    run.lifetime.start();

    QCOMPARE(run.fake.messages.texts(),
             QStringList{QStringLiteral("Application is already running")});
    QCOMPARE(visibleDuringBox, QList<QWidget *>{});
    QCOMPARE(run.fake.processEnd.statuses, QList<int>{0});
    QVERIFY(!run.lifetime.mainWindow());
    QVERIFY(run.fake.random.seeds.isEmpty());
    QCOMPARE(run.fake.settings.reads, 0);
    QCOMPARE(run.lifetime.openWindows().count(), 0);
}

void TestProgramLifetime::closingTheMainWindowBringsUpTheFarewellScreen_data()
{
    QTest::addColumn<bool>("byExitItem");
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("close box, then Exit button") << false << true;
    QTest::newRow("close box, then close box") << false << false;
    QTest::newRow("File > Exit, then Exit button") << true << true;
    QTest::newRow("File > Exit, then close box") << true << false;
}

void TestProgramLifetime::closingTheMainWindowBringsUpTheFarewellScreen()
{
    QFETCH(bool, byExitItem);
    QFETCH(bool, byExitButton);
    Run run;
    run.lifetime.start();
    QPointer<frmMain> main = run.lifetime.mainWindow();
    QVERIFY(main);

    if (byExitItem)
        main->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    else
        main->close();

    // Closing the main window brings up the farewell screen, topmost, not the end.
    QVERIFY(run.fake.processEnd.statuses.isEmpty());
    QPointer<frmFarewell> farewell = run.lifetime.farewellScreen();
    QVERIFY(farewell);
    QVERIFY(isShownTopmost(farewell));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main);
    QCOMPARE(visibleWindows(), QList<QWidget *>{farewell.data()});
    QVERIFY(run.lifetime.startupWindow()->isHidden());
    QCOMPARE(run.lifetime.openWindows().count(), 2);
    // Asking again makes no second screen.
    run.lifetime.showFarewellScreen();
    QCOMPARE(run.lifetime.farewellScreen(), farewell.data());
    QCOMPARE(run.lifetime.openWindows().count(), 2);

    // Leaving the farewell screen ends the program once, the hidden start-up window included.
    if (byExitButton)
        farewell->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    else
        farewell->close();
    QCOMPARE(run.fake.processEnd.statuses, QList<int>{0});
    QCOMPARE(run.lifetime.openWindows().count(), 0);
}

void TestProgramLifetime::endOfSessionEndsTheProgram()
{
    Run run;
    run.lifetime.start();
    QVERIFY(run.lifetime.mainWindow());

    run.lifetime.endSession();

    QCOMPARE(run.fake.processEnd.statuses, QList<int>{0});
    QCOMPARE(run.lifetime.openWindows().count(), 0);
    // A second signal of the ending session changes nothing.
    run.lifetime.endSession();
    QCOMPARE(run.fake.processEnd.statuses, QList<int>{0});
}

void TestProgramLifetime::endOfSessionDuringAStartupBoxEndsAtOnce_data()
{
    QTest::addColumn<bool>("secondCopy");
    QTest::newRow("update question") << false;
    QTest::newRow("already running") << true;
}

void TestProgramLifetime::endOfSessionDuringAStartupBoxEndsAtOnce()
{
    QFETCH(bool, secondCopy);
    Run run;
    run.fake.instance.running = secondCopy;
    run.fake.settings.values.insert(QStringLiteral("Settings/Duration"),
                                    QStringLiteral("2026-01-01"));
    run.fake.messages.answers = {MessageAnswer::No};
    run.fake.messages.onShow = [&](const QString &) { run.lifetime.endSession(); };

    run.lifetime.start();

    QCOMPARE(run.fake.messages.shown.size(), 1);
    QCOMPARE(run.fake.processEnd.statuses, QList<int>{0});
    QVERIFY(!run.lifetime.mainWindow());
    QCOMPARE(visibleWindows(), QList<QWidget *>{});
    QCOMPARE(run.lifetime.openWindows().count(), 0);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestProgramLifetime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programlifetime.moc"
