// SPDX-License-Identifier: MIT
#include "platform/session.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

#include <mutex>
#include <utility>

namespace {

// The one line said when no display server answers; set while the QApplication connects.
QByteArray unansweredLine;
QtMessageHandler qtMessageHandler = nullptr;

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
// Qt's X11 connection reads events on a thread of its own, which may speak while the main thread
// connects.
std::mutex heldMessagesLock;

// Qt 6.4 says per display server that does not answer why (the xcb plugin in two warnings, the
// Wayland plugin in one), and once none is left aborts the program with a fatal message. What Qt
// says while it connects waits: when no display server answers, only the program's one line is
// said, and the program ends with status 1 and no core dump; once connected, the platform
// plugins' words about display servers tried before are dropped and the rest is said.
void whileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        const std::lock_guard<std::mutex> held(heldMessagesLock);
        heldMessages.push_back({type, QByteArray(context.category), message});
        return;
    }
    std::fputs(unansweredLine.constData(), stderr);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

// The platform list the user chose with QT_QPA_PLATFORM or, over it, -platform; empty if none.
QByteArray userPlatforms(int argc, char **argv)
{
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            chosen = argv[i + 1];
    }
    return chosen;
}

// "cannot connect to the X display ':1' nor to the Wayland display 'wayland-0'"
QString unanswered(const QByteArray &platforms)
{
    QStringList servers;
    for (const QByteArray &platform : platforms.split(';')) {
        const QByteArray name = platform.split(':').constFirst();
        if (name == "xcb") {
            const QString x = qEnvironmentVariable("DISPLAY");
            servers.append(x.isEmpty() ? QStringLiteral("an X display: DISPLAY is unset")
                                       : QStringLiteral("the X display '%1'").arg(x));
        } else if (name.startsWith("wayland")) {
            // Without a name a Wayland client asks for the compositor's usual one.
            const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
            servers.append(QStringLiteral("the Wayland display '%1'").arg(wayland));
        } else {
            servers.append(QStringLiteral("the platform '%1'").arg(QString::fromLocal8Bit(name)));
        }
    }
    return QStringLiteral("cannot connect to ") + servers.join(QStringLiteral(" nor to "));
}

QByteArray lineSaying(const char *program, const QString &what)
{
    return QFileInfo(QString::fromLocal8Bit(program)).fileName().toLocal8Bit() + ": " +
           what.toLocal8Bit() + '\n';
}

int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

bool ignoredAtStart(int signal)
{
    struct sigaction current = {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

// X11 wherever an X display answers, XWayland included, because only there can the windows ask
// to be centred and the farewell screen to stay above; native Wayland where only a Wayland
// compositor answers. Qt tries the platforms of the list in turn: its xcb plugin gives up when it
// cannot connect, and the next one is tried.
DisplayChoice::DisplayChoice(int argc, char **argv) : m_argv(argv, argv + argc), m_argc(argc)
{
    const char *const program = argc > 0 ? argv[0] : "cubomancer";
    QByteArray platforms = userPlatforms(argc, argv);
    // Without even the program's name on it, the command line has no room for a choice.
    if (platforms.isEmpty() && argc > 0) {
        QByteArrayList servers;
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            servers.append("xcb");
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            servers.append("wayland");
        if (servers.isEmpty()) {
            m_hasDisplay = false;
            std::fputs(lineSaying(program, QStringLiteral("no graphical session found: DISPLAY "
                                                          "and WAYLAND_DISPLAY are unset"))
                           .constData(),
                       stderr);
            return;
        }
        // Through the command line rather than QT_QPA_PLATFORM, so that programs started from
        // here (the browser) do not inherit the choice.
        m_option = QByteArrayLiteral("-platform");
        m_platforms = servers.join(';');
        m_argv.insert(m_argv.begin() + 1, {m_option.data(), m_platforms.data()});
        m_argc += 2;
        platforms = m_platforms;
    }
    m_argv.push_back(nullptr);
    unansweredLine = lineSaying(program, unanswered(platforms));
    qtMessageHandler = qInstallMessageHandler(whileConnecting);
}

DisplayChoice::~DisplayChoice()
{
    connected();
}

void DisplayChoice::connected()
{
    if (unansweredLine.isEmpty())
        return;
    unansweredLine.clear();
    qInstallMessageHandler(qtMessageHandler);
    std::vector<HeldMessage> said;
    {
        const std::lock_guard<std::mutex> held(heldMessagesLock);
        said.swap(heldMessages);
    }
    for (const HeldMessage &held : said) {
        if (held.category.startsWith("qt.qpa.") || qtMessageHandler == nullptr)
            continue;
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qtMessageHandler(held.type, context, held.text);
    }
}

void forwardTerminationSignals(QObject *context, std::function<void()> onEnd)
{
    if (signalPipe[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *const notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onEnd = std::move(onEnd)] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        onEnd();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        if (!ignoredAtStart(signal))
            ::sigaction(signal, &action, nullptr);
    }
}
