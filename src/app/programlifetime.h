// SPDX-License-Identifier: MIT
#pragma once

// How the program lives and ends. ProgramLifetime holds the platform, the web links, the update
// reminder, the shutdown and the collection of open windows, and creates the windows in turn,
// each with only what it uses:
//
//   start()              -> frmStartup, whose load runs the start-up sequence and calls back
//   showMainWindow()     -> frmMain, shown without waiting
//   randomizeCoBrand()   -> the main window's promotional label
//   frmMain::unloaded    -> showFarewellScreen(), and the start-up window is hidden once more
//   leaving the farewell screen, unloading frmStartup, or the end of the desktop session
//                        -> Shutdown::EndProgram, which unloads every window and ends the process
//
// Only the user's close of the main window brings up the farewell screen. When the end comes
// from outside (endSession), the sweep unloads what is open and creates no window on the way out.
//
// The windows belong to the collection of open windows from their load to their unload, and
// delete themselves after it. runCubomancer (cubomancerapp.h) builds the real platform and the
// lifetime, and turns the end of the desktop session and the termination signals into
// endSession().

#include "app/shutdown.h"
#include "platform/openwindows.h"
#include "platform/platform.h"
#include "weblinks/updatereminder.h"
#include "weblinks/weblinks.h"

#include <QPointer>

#include <optional>

class frmFarewell;
class frmMain;
class frmStartup;

class ProgramLifetime final
{
public:
    explicit ProgramLifetime(const Platform &platform);

    ProgramLifetime(const ProgramLifetime &) = delete;
    ProgramLifetime &operator=(const ProgramLifetime &) = delete;

    // Loads the start-up window, which runs the whole start-up sequence.
    void start();
    // The desktop session is ending, or a termination signal came: the program ends the way it
    // always does, through the start-up window's unload, but shows nothing more.
    void endSession();
    // Loading the farewell screen shows it, topmost; once only.
    void showFarewellScreen();

    OpenWindows &openWindows() { return m_openWindows; }
    frmStartup *startupWindow() const;
    frmMain *mainWindow() const;
    frmFarewell *farewellScreen() const;

private:
    void showMainWindow();
    std::optional<qint16> randomizeCoBrand();
    void mainWindowUnloaded();
    bool isOpen(const LoadedWindow *window) const;

    Platform m_platform;
    WebLinks m_links;
    UpdateReminder m_reminder;
    Shutdown m_shutdown;
    QPointer<frmStartup> m_startup;
    QPointer<frmMain> m_main;
    QPointer<frmFarewell> m_farewell;
    bool m_endingFromOutside = false;
    // Last, so that windows still loaded go before what they were made with.
    OpenWindows m_openWindows;
};
