// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>

// The parts of the session's environment that decide which Qt platform plugin to ask for.
struct SessionEnvironment
{
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
};

// The platform plugin the program asks for: X11 wherever an X display is reachable, XWayland
// included, because only there can the windows ask to be centred and the farewell screen to stay
// above; native Wayland where there is no X display. Empty when the user chose with
// QT_QPA_PLATFORM or -platform, or when neither display is known: Qt decides then.
QByteArray chooseQtPlatform(const SessionEnvironment &session, const QList<QByteArray> &arguments);

// Adds "-platform <choice>" to the command line, read from this process's environment. Call it
// before the QApplication is built; the new argv lives until the program ends. Only the
// environment is read: it costs no connection to any display. Returns the platform Qt will be
// asked for, the user's or the program's choice; empty when Qt decides.
QByteArray chooseSessionPlatform(int &argc, char **&argv);
