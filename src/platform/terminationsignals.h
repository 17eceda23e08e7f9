// SPDX-License-Identifier: MIT
#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

// SIGTERM, SIGHUP and SIGINT - the way a desktop session or a terminal ends a program - turned
// into a call on the user-interface thread. The signal handler only writes one byte to a pipe;
// the call comes from the event loop that watches the pipe, nested loops of modal boxes included.
// One instance per process.
class TerminationSignals
{
public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals();

    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

private:
    void drain();

    std::function<void()> m_onSignal;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
