// SPDX-License-Identifier: MIT
#include "sessionplatform.h"

#include <vector>

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
} // namespace

QByteArray chooseQtPlatform(const SessionEnvironment &session, const QList<QByteArray> &arguments)
{
    if (!requestedQtPlatform(session, arguments).isEmpty())
        return {};
    if (!session.display.isEmpty())
        return QByteArrayLiteral("xcb");
    if (!session.waylandDisplay.isEmpty())
        return QByteArrayLiteral("wayland");
    return {};
}

QByteArray chooseSessionPlatform(int &argc, char **&argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (argc < 1)
        return {};
    const SessionEnvironment session{qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                     qgetenv("WAYLAND_DISPLAY")};
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    static QByteArray option = QByteArrayLiteral("-platform");
    static QByteArray choice;
    choice = chooseQtPlatform(session, arguments);
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
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return {};
#endif
}
