// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

// Loads the system's font configuration on a thread of its own while the main thread connects
// to the display server, so that the first window's text finds it ready instead of reading and
// matching it then. Only where the program talks to a display server: without one there is no
// wait to fill, and the work would only compete with the main thread for the processor.
// Joined before the first window is built, and at the latest when it goes out of scope.
class FontConfigWarmUp
{
public:
    // Reads the platform the toolkit will choose from the same place it does: -platform on the
    // command line, then QT_QPA_PLATFORM, then a display named in the environment.
    FontConfigWarmUp(int argc, char **argv);
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    void join();

private:
    std::thread m_thread;
};
