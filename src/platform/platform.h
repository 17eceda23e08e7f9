// SPDX-License-Identifier: MIT
#pragma once

// The operating-system seam: the only folder that reaches the desktop, the files and the process.
// What a test must stand in for - whatever blocks, ends the process, is random or reaches
// outside - is a small interface; SystemPlatform supplies the real ones and bundles them in
// Platform for the program's lifetime (src/app), which hands each window only the ones it uses.
// The tests supply fakes.
//
//   Browser          - hands a web address to the default browser and forgets it
//   MessageBoxes     - modal message boxes titled with the application title
//   SettingsStore    - the per-user store of text values
//   Clock            - today's date and a seed for the random source
//   RandomSource     - the one process-wide uniform generator
//   InstanceGuard    - whether another copy is already running
//   ProcessEnd       - ends the process at once
//
// The rest is plain Qt and needs no stand-in: showTopmost (keeps a window above ordinary ones),
// ProgramWindow and OpenWindows (every window's load and unload, and the collection the
// shutdown sweeps), the title and icon helpers, the session's choice of Qt platform plugin,
// FixedSizeWindows and TerminationSignals.
//
// Linux and Windows each bring their own files, chosen in CMakeLists.txt: the Windows ones are
// in windows/ and bear the names of the Linux ones they stand in for. Linux alone has the lock
// file, xdg-open, the termination signals, the display-protocol choice, the Wayland handling and
// the font warm-up; Windows alone has ShellExecuteA, SetWindowPos and the named mutex. What runs
// around the QApplication is DesktopSession's.

class Browser;
class MessageBoxes;
class SettingsStore;
class Clock;
class RandomSource;
class InstanceGuard;
class ProcessEnd;

struct Platform
{
    Browser &browser;
    MessageBoxes &messages;
    SettingsStore &settings;
    Clock &clock;
    RandomSource &random;
    InstanceGuard &instance;
    ProcessEnd &processEnd;
};
