// SPDX-License-Identifier: MIT
#include "sessionplatform.h"

#include "platform/apptitle.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
// The platform the user asked for: Qt takes "--platform" as "-platform", and either one over
// QT_QPA_PLATFORM. Empty when the user left the choice open.
QByteArray requestedQtPlatform(const SessionEnvironment &session,
                               const QList<QByteArray> &arguments)
{
    QByteArray requested = session.qtPlatform;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        const QByteArray &argument = arguments.at(i);
        if (argument == "-platform" || argument == "--platform")
            requested = arguments.at(i + 1);
    }
    return requested;
}

SessionEnvironment sessionEnvironment()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
}

QList<QByteArray> argumentsOf(int argc, char **argv)
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return arguments;
}
} // namespace

QByteArray expectedSessionPlatform(int argc, char **argv)
{
    const SessionEnvironment session = sessionEnvironment();
    const QList<QByteArray> arguments = argumentsOf(argc, argv);
    const PlatformChoice chosen = chooseQtPlatform(
        session, arguments, [](const QByteArray &, const QByteArray &) { return true; });
    return chosen.platform.isEmpty() ? requestedQtPlatform(session, arguments) : chosen.platform;
}

DisplayServerProbe::~DisplayServerProbe()
{
    release();
}

void DisplayServerProbe::release()
{
    if (m_x)
        xcb_disconnect(m_x);
    m_x = nullptr;
}

bool DisplayServerProbe::answers(const QByteArray &platform, const QByteArray &display)
{
    if (platform == "xcb") {
        xcb_connection_t *const connection = xcb_connect(display.constData(), nullptr);
        if (xcb_connection_has_error(connection) != 0) {
            xcb_disconnect(connection);
            return false;
        }
        release();
        m_x = connection;
        return true;
    }
    // A compositor listens on a socket in the runtime folder, or at an absolute name.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const bool absolute = display.startsWith('/');
    const QByteArray path = absolute ? display : runtime + '/' + display;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if ((!absolute && runtime.isEmpty()) || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool connected =
        ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

PlatformChoice chooseQtPlatform(const SessionEnvironment &session,
                                const QList<QByteArray> &arguments, const DisplayProbe &answers)
{
    const QByteArray requested = requestedQtPlatform(session, arguments);
    const bool userChose = !requested.isEmpty();
    if (!userChose && session.display.isEmpty() && session.waylandDisplay.isEmpty())
        return {{},
                QStringLiteral("no graphical session found: "
                               "DISPLAY and WAYLAND_DISPLAY are unset")};
    const bool tryX = userChose ? requested == "xcb" : !session.display.isEmpty();
    const bool tryWayland = userChose ? requested == "wayland" || requested == "wayland-egl"
                                      : !session.waylandDisplay.isEmpty();
    // Without a name a Wayland client asks for the compositor's usual one.
    const QByteArray wayland =
        session.waylandDisplay.isEmpty() ? QByteArrayLiteral("wayland-0") : session.waylandDisplay;

    QStringList unanswered;
    if (tryX) {
        if (!session.display.isEmpty() && answers("xcb", session.display))
            return {userChose ? QByteArray() : QByteArrayLiteral("xcb"), {}};
        unanswered.append(session.display.isEmpty()
                              ? QStringLiteral("an X display: DISPLAY is unset")
                              : QStringLiteral("the X display '%1'")
                                    .arg(QString::fromLocal8Bit(session.display)));
    }
    if (tryWayland) {
        if (answers("wayland", wayland))
            return {userChose ? QByteArray() : QByteArrayLiteral("wayland"), {}};
        unanswered.append(
            QStringLiteral("the Wayland display '%1'").arg(QString::fromLocal8Bit(wayland)));
    }
    if (unanswered.isEmpty())
        return {}; // the user's choice needs no display server
    return {{}, QStringLiteral("cannot connect to ") + unanswered.join(QStringLiteral(" nor to "))};
}

std::optional<QByteArray> chooseSessionPlatform(int &argc, char **&argv,
                                                const DisplayProbe &answers)
{
    if (argc < 1)
        return QByteArray();
    const SessionEnvironment session = sessionEnvironment();
    const QList<QByteArray> arguments = argumentsOf(argc, argv);
    static QByteArray option = QByteArrayLiteral("-platform");
    static QByteArray choice;
    const PlatformChoice chosen = chooseQtPlatform(session, arguments, answers);
    if (!chosen.missing.isEmpty()) {
        const QString name = applicationNameOf(QFile::decodeName(argv[0]));
        std::fprintf(stderr, "%s: %s\n", QFile::encodeName(name).constData(),
                     chosen.missing.toLocal8Bit().constData());
        return std::nullopt;
    }
    choice = chosen.platform;
    if (choice.isEmpty())
        return requestedQtPlatform(session, arguments);
    // Through the command line rather than QT_QPA_PLATFORM, so that programs started from here
    // (the browser) do not inherit the choice.
    static std::vector<char *> extended;
    extended.assign(argv, argv + argc);
    extended.insert(extended.begin() + 1, {option.data(), choice.data()});
    extended.push_back(nullptr);
    argc = static_cast<int>(extended.size()) - 1;
    argv = extended.data();
    return choice;
}
