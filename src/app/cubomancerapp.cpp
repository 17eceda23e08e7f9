// SPDX-License-Identifier: MIT
#include "cubomancerapp.h"

#include "app/frmstartup.h"
#include "app/shutdown.h"
#include "app/translations.h"
#include "platform/browser.h"
#include "platform/fixedsizewindows.h"
#include "platform/instanceguard.h"
#include "platform/messageboxes.h"
#include "platform/processend.h"
#include "platform/randomsource.h"
#include "platform/session.h"
#include "siteconfig.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"
#include "widgets/accessibility.h"
#include "widgets/apptitle.h"
#include "widgets/programicon.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <utility>

namespace {
// Qt answers the session manager's "die" at the end of an X11 desktop session, and any
// QCoreApplication::quit, with a Quit event, on which QApplication would close the visible
// windows and leave the event loop: the main window's close would bring up the farewell screen,
// and the start-up would carry on after a box it had open. The program ends at once instead.
class Application final : public QApplication
{
public:
    Application(int &argc, char **argv, std::function<void()> onQuit)
        : QApplication(argc, argv), m_onQuit(std::move(onQuit))
    {
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::Quit)
            return QApplication::event(event);
        m_onQuit();
        return true;
    }

private:
    std::function<void()> m_onQuit;
};
} // namespace

int runCubomancer(int argc, char *argv[])
{
    DisplayChoice display(argc, argv);
    if (!display.hasDisplay())
        return EXIT_FAILURE;
    ImmediateProcessEnd processEnd;
    Shutdown shutdown(processEnd);
    const auto endFromOutside = [&shutdown] { shutdown.EndProgram(); };
    Application application(display.argc(), display.argv(), endFromOutside);
    display.connected();
    installTranslations(application);
    QGuiApplication::setDesktopFileName(QStringLiteral(CUBOMANCER_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // The main window's close brings up the farewell screen; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibleInterfaces();
    FixedSizeWindows fixedSizeWindows;

    // A copy under another file name keeps its own settings and its own guard.
    const QString name = applicationNameOf(QCoreApplication::applicationFilePath());
    InstanceGuard instance(InstanceGuard::nameFor(name));
    SystemBrowser browser;
    QtMessageBoxes messages(applicationTitle());
    UniformRandom random;
    WebLinks links(browser);
    UpdateReminder reminder(name, messages, links);

    // Windows reports the end of its session with aboutToQuit alone; a termination signal is
    // the end of the session as a terminal or a desktop session sends it.
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &application, endFromOutside);
    forwardTerminationSignals(&application, endFromOutside);

    // The start-up runs inside the event loop, so that a quit arriving while one of its boxes is
    // open reaches the program.
    const ProgramParts parts{instance, messages, random, links, reminder, shutdown};
    QTimer::singleShot(0, &application, [&parts] { new frmStartup(parts); });
    QApplication::exec();
    shutdown.EndProgram();
    return 0;
}
