// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

// What the program does for its desktop session beyond what Qt does for it: the preparations
// before the QApplication exists, and the requests to end that reach the program from outside
// the toolkit. The end of the session itself Qt turns into aboutToQuit on every system.
// Each system brings its own (desktopsession.cpp on Linux, windows/desktopsession.cpp on
// Windows).
class DesktopSession
{
public:
    // Before the QApplication is built, with the command line it will get; the command line may
    // grow, and the new one lives until the program ends.
    DesktopSession(int &argc, char **&argv);
    ~DesktopSession();

    DesktopSession(const DesktopSession &) = delete;
    DesktopSession &operator=(const DesktopSession &) = delete;

    // Once the QApplication exists: onEnd runs, on the user-interface thread, whenever the
    // system asks the program to end outside the toolkit's own session handling.
    void forwardEndRequests(std::function<void()> onEnd);

    // Call right before the first window is built.
    void readyForWindows();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
