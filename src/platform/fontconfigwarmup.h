// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <thread>

// Loads the system's font configuration on a thread of its own while the main thread connects
// to the display server, so that the first window's text finds it ready instead of reading and
// matching it then. Only where the program talks to a display server: without one there is no
// wait to fill, and the work would only compete with the main thread for the processor.
// Joined before the first window is built, and at the latest when it goes out of scope.
class FontConfigWarmUp
{
public:
    // qtPlatform is the platform plugin Qt will be asked for (chooseSessionPlatform).
    explicit FontConfigWarmUp(const QByteArray &qtPlatform);
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    void join();

private:
    std::thread m_thread;
};
