// SPDX-License-Identifier: MIT
#pragma once

// The operating-system seam: the only folder that reaches the desktop, the files and the process.
// What a test must stand in for - whatever blocks, ends the process, is random or reaches
// outside - is a small interface; runCubomancer (src/app) builds the real ones and the tests bring
// the stand-ins of tests/fakes:
//
//   Browser        - hands a web address to the default browser and forgets it   (browser.h)
//   MessageBoxes   - modal message boxes titled with the application title      (messageboxes.h)
//   RandomSource   - the one process-wide uniform generator                     (randomsource.h)
//   ProcessEnd     - ends the process at once                                   (processend.h)
//
// The rest are plain classes and functions, used for real in the tests too: the per-user
// settings (settings.h, QSettings), the single-instance guard (instanceguard.h), a window kept
// above the others (topmost.h), what the desktop session needs around the toolkit (session.h)
// and the fixed-size windows on Wayland (fixedsizewindows.h).
//
// Shared code and every header stand here; linux/ and windows/ hold each system's files of the
// same names for the same jobs, and CMakeLists.txt chooses the folder.
