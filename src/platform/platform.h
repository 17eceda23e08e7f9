// SPDX-License-Identifier: MIT
#pragma once

// The operating-system seam. Everything above src/platform reaches the desktop only through
// these small interfaces, bundled in Platform; SystemPlatform supplies the real ones and the
// tests supply fakes.
//
//   Browser          - hands a web address to the default browser and forgets it
//   MessageBoxes     - modal message boxes titled with the application title
//   SettingsStore    - the per-user store of text values
//   Clock            - today's date and a seed for the random source
//   RandomSource     - the one process-wide uniform generator
//   InstanceGuard    - whether another copy is already running
//   TopmostPlacement - keeps a window above ordinary windows
//   ProcessEnd       - ends the process at once

class Browser;
class MessageBoxes;
class SettingsStore;
class Clock;
class RandomSource;
class InstanceGuard;
class TopmostPlacement;
class ProcessEnd;

struct Platform
{
    Browser &browser;
    MessageBoxes &messages;
    SettingsStore &settings;
    Clock &clock;
    RandomSource &random;
    InstanceGuard &instance;
    TopmostPlacement &topmost;
    ProcessEnd &processEnd;
};
