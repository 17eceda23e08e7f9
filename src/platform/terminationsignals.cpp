// SPDX-License-Identifier: MIT
#include "terminationsignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace {
int pipeEnds[2] = {-1, -1};
constexpr int watched[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void onTerminationSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

bool ignoredAtStart(int signal)
{
    struct sigaction current
    {
    };
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}
} // namespace

TerminationSignals::TerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    struct sigaction action
    {
    };
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : watched) {
        if (!ignoredAtStart(signal) && ::sigaction(signal, &action, nullptr) == 0)
            m_caught.push_back(signal);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (pipeEnds[0] < 0)
        return;
    struct sigaction action
    {
    };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : m_caught)
        ::sigaction(signal, &action, nullptr);
    m_notifier.reset();
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::deliverTo(std::function<void()> onSignal)
{
    if (pipeEnds[0] < 0 || m_notifier)
        return;
    m_onSignal = std::move(onSignal);
    m_notifier = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { drain(); });
    drain();
}

void TerminationSignals::drain()
{
    char bytes[16];
    bool caught = false;
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0)
        caught = true;
    if (caught && m_onSignal)
        m_onSignal();
}
