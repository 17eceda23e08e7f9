// SPDX-License-Identifier: MIT
#include "cubomancerapp.h"

#include "app/programlifetime.h"
#include "platform/apptitle.h"
#include "platform/desktopsession.h"
#include "platform/programicon.h"
#include "platform/systemplatform.h"
#include "siteconfig.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <utility>

namespace {
// Every request to quit the application - the session manager's "die" at the end of the
// desktop session, or QCoreApplication::quit from anywhere - ends the program at once, even
// from inside a modal box's event loop, instead of leaving that loop and carrying on.
class QuitRequests final : public QObject
{
public:
    explicit QuitRequests(std::function<void()> onQuit) : m_onQuit(std::move(onQuit)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
            m_onQuit();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_onQuit;
};
} // namespace

int runCubomancer(int argc, char *argv[])
{
    DesktopSession session(argc, argv);
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(CUBOMANCER_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // The main window's close brings up the farewell screen; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // A copy under another file name keeps its own settings and its own lock.
    SystemPlatform system(applicationNameOf(QCoreApplication::applicationFilePath()));
    ProgramLifetime lifetime(system.platform());

    // The end of the desktop session (Qt quits the application on the session manager's
    // "die", and emits aboutToQuit when Windows logs off or shuts down) and the termination
    // signals unload the start-up window, which ends the program.
    // A session save, a checkpoint or the question before a logout, is answered and ends
    // nothing: the user may still cancel the logout.
    const auto endSession = [&lifetime] { lifetime.endSession(); };
    QuitRequests quitRequests(endSession);
    application.installEventFilter(&quitRequests);
    session.forwardEndRequests(endSession);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &application, endSession);

    // The start-up runs inside the event loop, so that a quit arriving while one of its boxes
    // is open reaches the program.
    QTimer::singleShot(0, &application, [&lifetime, &session] {
        session.readyForWindows();
        lifetime.start();
    });
    QApplication::exec();
    lifetime.endSession();
    return 0;
}
