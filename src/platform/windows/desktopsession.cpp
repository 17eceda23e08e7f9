// SPDX-License-Identifier: MIT
#include "platform/desktopsession.h"

// Windows needs nothing of the program around the toolkit: Qt's windows platform plugin is the
// only one to choose, the system's fonts need no warming up, and the end of the session
// (logging off, shutting down) reaches the program as aboutToQuit. A program with windows and
// no console gets no console signals.
struct DesktopSession::State
{
};

DesktopSession::DesktopSession(int &, char **&) {}

DesktopSession::~DesktopSession() = default;

void DesktopSession::forwardEndRequests(std::function<void()>) {}

void DesktopSession::readyForWindows() {}
