// SPDX-License-Identifier: MIT
#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <vector>

// SIGTERM, SIGHUP and SIGINT - the way a desktop session or a terminal ends a program - turned
// into a call on the user-interface thread. The signal handler only writes one byte to a pipe;
// the call comes from the event loop that watches the pipe, nested loops of modal boxes included.
// A signal the program was started with ignored stays ignored: under nohup, SIGHUP; in a
// background job of a shell, SIGINT. One instance per process.
class TerminationSignals
{
public:
    // Catches the signals from here on. Build it before the QApplication, which takes a while
    // to connect to the display: a signal that comes meanwhile waits for deliverTo.
    TerminationSignals();
    ~TerminationSignals();

    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // From now on each signal calls onSignal from the event loop; one that came before is
    // delivered at once. Needs the QApplication.
    void deliverTo(std::function<void()> onSignal);

private:
    void drain();

    std::vector<int> m_caught;
    std::function<void()> m_onSignal;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
