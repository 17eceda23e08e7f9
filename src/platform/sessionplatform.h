// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The parts of the session's environment that decide which Qt platform plugin to ask for.
struct SessionEnvironment
{
    QByteArray qtPlatform;     // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
};

// Whether a display server answers: an X display ("xcb") or a Wayland compositor ("wayland")
// by its name.
using DisplayProbe = std::function<bool(const QByteArray &platform, const QByteArray &display)>;

struct PlatformChoice
{
    QByteArray platform; // the plugin to ask Qt for; empty where the user chose
    QString missing;     // when no display answers: what is missing, in words
};

// X11 wherever an X display answers, XWayland included, because only there can the windows ask
// to be centred and the farewell screen to stay above; native Wayland where only a Wayland
// compositor answers. The user's choice with QT_QPA_PLATFORM or -platform stands; where it is
// xcb or wayland, its display is asked too. When no display answers, missing says which.
PlatformChoice chooseQtPlatform(const SessionEnvironment &session,
                                const QList<QByteArray> &arguments, const DisplayProbe &answers);

struct xcb_connection_t;

// Asks the display servers themselves, connecting as the toolkit would. An X display that
// answers keeps this connection until release(), once the toolkit has connected too: an X server
// resets itself when its last client leaves, and meanwhile refuses the next (Xvfb 21.1 with no
// other client: the toolkit failed to connect, or waited some 20 ms).
class DisplayServerProbe
{
public:
    DisplayServerProbe() = default;
    ~DisplayServerProbe();

    DisplayServerProbe(const DisplayServerProbe &) = delete;
    DisplayServerProbe &operator=(const DisplayServerProbe &) = delete;

    bool answers(const QByteArray &platform, const QByteArray &display);
    void release();

private:
    xcb_connection_t *m_x = nullptr;
};

// The platform chooseSessionPlatform will settle on if the display servers named answer, from
// the environment and the command line alone, without asking any.
QByteArray expectedSessionPlatform(int argc, char **argv);

// Adds "-platform <choice>" to the command line, read from this process's environment and asked
// of the display servers it names. Call it before the QApplication is built; the new argv lives
// until the program ends. Returns the platform Qt will be asked for, the user's or the
// program's; nothing when no display answers, after saying on stderr, in one line, what is
// missing: without a display the toolkit would abort the program.
std::optional<QByteArray> chooseSessionPlatform(int &argc, char **&argv,
                                                const DisplayProbe &answers);
