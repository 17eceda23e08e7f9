// SPDX-License-Identifier: MIT
#include "app/frmstartup.h"
#include "app/shutdown.h"
#include "divination/frmmain.h"
#include "divination/rounding.h"
#include "fakeplatform.h"
#include "farewell/frmfarewell.h"
#include "platform/instanceguard.h"
#include "platform/settings.h"
#include "testenvironment.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {
enum class Start { FirstStart, ReminderDue, SettingsUnreadable, SecondCopy };
// What the user or the system does once the start-up is over.
enum class Step { CloseMain, ExitMenu, FarewellExit, CloseFarewell, EndFromOutside };

const QString alreadyRunning = QStringLiteral("box: Application is already running");
const QString mainShown = QStringLiteral("frmMain shown");
const QString mainUnloaded = QStringLiteral("frmMain unloaded");
const QString farewellShown = QStringLiteral("frmFarewell shown");
const QString farewellUnloaded = QStringLiteral("frmFarewell unloaded");
const QString startupUnloaded = QStringLiteral("frmStartup unloaded");
const QString ended = QStringLiteral("end 0");

// As the event loop would between two of the user's actions.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class Window> Window *openWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget))
            return window;
    }
    return nullptr;
}

// The sweep closes the windows in the toolkit's order, which is no fixed one: the unloads of one
// sweep compare in alphabetical order.
QStringList sweepsSorted(QStringList trace)
{
    const auto isUnload = [](const QString &entry) {
        return entry.endsWith(QLatin1String("unloaded"));
    };
    for (auto from = trace.begin(); from != trace.end();) {
        from = std::find_if(from, trace.end(), isUnload);
        const auto to = std::find_if_not(from, trace.end(), isUnload);
        std::sort(from, to);
        from = to;
    }
    return trace;
}

// One run of the program on stand-ins, with the real guard, reminder and settings. The trace
// holds, in order, every box, every show and close (unload) of the program's windows and the end.
class Run final : public QObject
{
public:
    explicit Run(const QString &name)
        : guard(InstanceGuard::nameFor(name)), reminder(name, fake.messages, links)
    {
        fake.messages.onShow = [this](const QString &text) {
            trace.append(QStringLiteral("box: ") + text);
            if (endOnBox)
                shutdown.EndProgram();
        };
        fake.processEnd.onEnd = [this] {
            trace.append(QStringLiteral("end %1").arg(fake.processEnd.statuses.last()));
        };
        qApp->installEventFilter(this);
    }
    ~Run() override
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->parentWidget() == nullptr)
                window->deleteLater();
        }
        settle();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const char *className = watched->metaObject()->className();
        if ((event->type() == QEvent::Show || event->type() == QEvent::Close) &&
            watched->isWidgetType() && qstrncmp(className, "frm", 3) == 0) {
            trace.append(QLatin1String(className) +
                         QLatin1String(event->type() == QEvent::Show ? " shown" : " unloaded"));
            if (qobject_cast<frmMain *>(watched) && event->type() == QEvent::Show)
                randomAtMainShow = {fake.random.seeds.size(), fake.random.draws};
        }
        return false;
    }

    void perform(Step step)
    {
        if (step == Step::EndFromOutside) {
            // As a termination signal or the end of the desktop session does.
            shutdown.EndProgram();
        } else if (step == Step::CloseMain || step == Step::ExitMenu) {
            frmMain *const main = openWindow<frmMain>();
            QVERIFY(main);
            if (step == Step::ExitMenu)
                main->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
            else
                main->close();
        } else {
            frmFarewell *const farewell = openWindow<frmFarewell>();
            QVERIFY(farewell);
            if (step == Step::FarewellExit)
                farewell->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
            else
                farewell->close();
        }
        settle();
    }

    FakePlatform fake;
    WebLinks links{fake.browser};
    InstanceGuard guard;
    UpdateReminder reminder;
    Shutdown shutdown{fake.processEnd};
    ProgramParts parts{guard, fake.messages, fake.random, links, reminder, shutdown};
    bool endOnBox = false;
    QStringList trace;
    // How often the random source had been seeded and drawn from when the main window came up.
    QPair<qsizetype, int> randomAtMainShow{-1, -1};
};
} // namespace

Q_DECLARE_METATYPE(Start)
Q_DECLARE_METATYPE(Step)

class TestLifetime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lifetime_data();
    void lifetime();

private:
    TestEnvironment m_environment;
};

void TestLifetime::lifetime_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("endWhileBoxOpen");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QStringList>("opened");

    const QString question = QStringLiteral("box: ") + UpdateReminder::questionText();
    const QStringList download{WebLinks::downloadPageAddress()};
    const QStringList toFarewell{mainShown, mainUnloaded, farewellShown};
    const QStringList farewellEnds{farewellUnloaded, startupUnloaded, ended};
    const auto yes = MessageAnswer::Yes, no = MessageAnswer::No;
    using S = Step;
    const QList<Step> none;

    QTest::newRow("first start: the main window alone")
        << Start::FirstStart << yes << false << none << QStringList{mainShown} << QStringList();
    QTest::newRow("reminder due, Yes: the question, the download page, then the main window")
        << Start::ReminderDue << yes << false << none << QStringList{question, mainShown}
        << download;
    QTest::newRow("reminder due, No: the question, then the main window")
        << Start::ReminderDue << no << false << none << QStringList{question, mainShown}
        << QStringList();
    QTest::newRow("unreadable settings: the main window all the same")
        << Start::SettingsUnreadable << yes << false << none << QStringList{mainShown}
        << QStringList();
    QTest::newRow("second copy: the box and the end, before the reminder and any window")
        << Start::SecondCopy << yes << false << none
        << QStringList{alreadyRunning, startupUnloaded, ended} << QStringList();
    QTest::newRow("end from outside while the second copy's box is open")
        << Start::SecondCopy << yes << true << none
        << QStringList{alreadyRunning, startupUnloaded, ended} << QStringList();
    QTest::newRow("end from outside while the update question is open")
        << Start::ReminderDue << no << true << none << QStringList{question, startupUnloaded, ended}
        << QStringList();

    QTest::newRow("close box, then the farewell's Exit button")
        << Start::FirstStart << yes << false << QList<Step>{S::CloseMain, S::FarewellExit}
        << toFarewell + farewellEnds << QStringList();
    QTest::newRow("close box, then the farewell's close box")
        << Start::FirstStart << yes << false << QList<Step>{S::CloseMain, S::CloseFarewell}
        << toFarewell + farewellEnds << QStringList();
    QTest::newRow("File > Exit, then the farewell's Exit button")
        << Start::FirstStart << yes << false << QList<Step>{S::ExitMenu, S::FarewellExit}
        << toFarewell + farewellEnds << QStringList();
    QTest::newRow("File > Exit, the farewell's close box, then a late signal")
        << Start::FirstStart << yes << false
        << QList<Step>{S::ExitMenu, S::CloseFarewell, S::EndFromOutside}
        << toFarewell + farewellEnds << QStringList();
    QTest::newRow("end from outside on the main window: no farewell screen")
        << Start::FirstStart << yes << false << QList<Step>{S::EndFromOutside, S::EndFromOutside}
        << QStringList{mainShown, mainUnloaded, startupUnloaded, ended} << QStringList();
    QTest::newRow("end from outside on the farewell screen")
        << Start::FirstStart << yes << false << QList<Step>{S::CloseMain, S::EndFromOutside}
        << toFarewell + farewellEnds << QStringList();
}

void TestLifetime::lifetime()
{
    QFETCH(Start, start);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, endWhileBoxOpen);
    QFETCH(QList<Step>, steps);
    const QString name = m_environment.freshName(QStringLiteral("lifetime"));
    InstanceGuard running(InstanceGuard::nameFor(name));
    if (start == Start::SecondCopy)
        QVERIFY(!running.anotherCopyRunning());
    if (start == Start::SettingsUnreadable) {
        if (!settingsLiveInFiles)
            QSKIP("the settings are no file here");
        // A folder where the file belongs cannot be read, even by the superuser.
        QVERIFY(QDir().mkpath(m_environment.settingsFile(name)));
    } else if (start != Start::FirstStart) {
        const QDate due = QDate::currentDate().addDays(-(UpdateReminder::reminderIntervalDays + 1));
        QVERIFY(Settings::write(name, UpdateReminder::section(), UpdateReminder::key(),
                                UpdateReminder::formatStoredDate(due)));
    }
    Run run(name);
    run.endOnBox = endWhileBoxOpen;
    run.fake.messages.answers = {answer};
    const float draw = 0.5f;
    run.fake.random.values = {draw};

    QPointer<frmStartup> startup = new frmStartup(run.parts);
    settle();
    if (startup && startup->mainWindow()) {
        // Seeded before the main window, and the one draw of the start-up, after it, picked the
        // promotional label.
        QCOMPARE(run.randomAtMainShow, qMakePair(qsizetype(1), 0));
        QCOMPARE(run.fake.random.draws, 1);
        QCOMPARE(startup->intCoBrandRandomNumber, qint16(roundedScaledDraw(6, draw)));
    }
    for (const Step step : steps) {
        run.perform(step);
        if (QTest::currentTestFailed())
            return;
    }

    QTEST(sweepsSorted(run.trace), "trace");
    QTEST(run.fake.browser.opened, "opened");
    if (!run.fake.processEnd.statuses.isEmpty()) {
        // Every window went with the end, and none came up on the way out.
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
    }
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // As the program: only EndProgram ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    TestLifetime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lifetime.moc"
