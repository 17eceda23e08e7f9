// SPDX-License-Identifier: MIT
#include "desktopsession.h"

#include "fontconfigwarmup.h"
#include "sessionplatform.h"
#include "terminationsignals.h"

#include <optional>

struct DesktopSession::State
{
    explicit State(const QByteArray &qtPlatform) : fonts(qtPlatform) {}

    FontConfigWarmUp fonts;
    // SIGTERM, SIGHUP and SIGINT: how a desktop session or a terminal ends a program.
    std::optional<TerminationSignals> terminationSignals;
};

DesktopSession::DesktopSession(int &argc, char **&argv)
    : m_state(std::make_unique<State>(chooseSessionPlatform(argc, argv)))
{
}

DesktopSession::~DesktopSession() = default;

void DesktopSession::forwardEndRequests(std::function<void()> onEnd)
{
    m_state->terminationSignals.emplace(std::move(onEnd));
}

void DesktopSession::readyForWindows()
{
    // The font configuration is ready before the first window is built.
    m_state->fonts.join();
}
