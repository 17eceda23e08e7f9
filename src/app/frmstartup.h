// SPDX-License-Identifier: MIT
#pragma once

// How the program lives and ends, on Qt's own windows:
//
//   runCubomancer (cubomancerapp.h) - builds the application, the platform's parts and the
//                  start-up window, and turns every end from outside (the end of the desktop
//                  session, a termination signal) into Shutdown::EndProgram
//   frmStartup   - the first window, never shown: its load runs the start-up sequence and shows
//                  frmMain; when frmMain closes it brings up frmFarewell; its own close ends the
//                  program
//   Shutdown     - EndProgram closes every top-level window once and ends the process
//
// A window's close event is its unload; the application's top-level widgets are the open
// windows, and each window deletes itself once closed. Only the user's close of the main window
// brings up the farewell screen: closed on the way out, it brings up nothing.

#include <QPointer>
#include <QWidget>

class InstanceGuard;
class MessageBoxes;
class RandomSource;
class Shutdown;
class UpdateReminder;
class WebLinks;
class frmMain;

// What the windows are made with: runCubomancer holds the real parts, the tests stand-ins.
struct ProgramParts
{
    InstanceGuard &instance;
    MessageBoxes &messages;
    RandomSource &random;
    WebLinks &links;
    UpdateReminder &reminder;
    Shutdown &shutdown;
};

// Loading it (constructing it) runs the start-up: refuse a second copy, seed the random source,
// give the update reminder its say, show the main window, hide itself and pick the main window's
// promotional label. It stays loaded, hidden, until the program ends; closing it, for whatever
// reason, ends the program.
class frmStartup : public QWidget
{
    Q_OBJECT

public:
    explicit frmStartup(const ProgramParts &parts);
    ~frmStartup() override;

    // The promotional label drawn at start-up; nothing else reads it.
    qint16 intCoBrandRandomNumber = 0;

    frmMain *mainWindow() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void mainWindowUnloaded();

    ProgramParts m_parts;
    QPointer<frmMain> m_main;
};
