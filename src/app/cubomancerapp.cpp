// SPDX-License-Identifier: MIT
#include "cubomancerapp.h"

#include "app/programlifetime.h"
#include "platform/programicon.h"
#include "platform/sessionplatform.h"
#include "platform/systemplatform.h"
#include "siteconfig.h"

#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>

int runCubomancer(int argc, char *argv[])
{
    chooseSessionPlatform(argc, argv);
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(CUBOMANCER_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // The main window's close brings up the farewell screen; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // A copy under another file name keeps its own settings and its own lock.
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    SystemPlatform system(name);
    ProgramLifetime lifetime(system.platform());

    // Logging off or shutting down unloads the start-up window, which ends the program.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&lifetime](QSessionManager &) { lifetime.endSession(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &application,
                     [&lifetime] { lifetime.endSession(); });

    lifetime.start();
    QApplication::exec();
    lifetime.endSession();
    return 0;
}
