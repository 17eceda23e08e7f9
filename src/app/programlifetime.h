// SPDX-License-Identifier: MIT
#pragma once

// How the program lives and ends. ProgramLifetime owns the collection of open windows, the
// shutdown and the web links, and creates the windows in turn:
//
//   start()            -> frmStartup, whose load runs the start-up sequence and calls back
//   showMainWindow()   -> frmMain, shown without waiting
//   randomizeCoBrand() -> the main window's promotional label
//   closing frmMain    -> showFarewellScreen() and hideStartupWindow()
//   leaving the farewell screen, unloading frmStartup, or the end of the desktop session
//                      -> Shutdown::EndProgram, which unloads every window and ends the process

#include "app/mainwindowstarter.h"
#include "app/shutdown.h"
#include "divination/mainwindowclosepath.h"
#include "platform/openwindows.h"
#include "platform/platform.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"

#include <QPointer>
#include <QWidget>

class frmFarewell;
class frmMain;
class frmStartup;

class ProgramLifetime final : public MainWindowClosePath, public MainWindowStarter
{
public:
    explicit ProgramLifetime(const Platform &platform);
    ~ProgramLifetime() override;

    ProgramLifetime(const ProgramLifetime &) = delete;
    ProgramLifetime &operator=(const ProgramLifetime &) = delete;

    // Loads the start-up window, which runs the whole start-up sequence.
    void start();
    // The desktop session is ending: the program ends the way it always does, through the
    // start-up window's unload.
    void endSession();

    const Platform &platform() const { return m_platform; }
    OpenWindows &openWindows() { return m_openWindows; }
    Shutdown &shutdown() { return m_shutdown; }
    WebLinks &links() { return m_links; }
    frmStartup *startupWindow() const;
    frmMain *mainWindow() const;
    frmFarewell *farewellScreen() const;

    void showFarewellScreen() override;
    void hideStartupWindow() override;

    bool showMainWindow() override;
    std::optional<qint16> randomizeCoBrand() override;

private:
    bool isOpen(QWidget *window) const;

    Platform m_platform;
    OpenWindows m_openWindows;
    WebLinks m_links;
    UpdateReminder m_reminder;
    Shutdown m_shutdown;
    QPointer<frmStartup> m_startup;
    QPointer<frmMain> m_main;
    QPointer<frmFarewell> m_farewell;
};
