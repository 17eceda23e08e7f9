// SPDX-License-Identifier: MIT
#include "windowprobe.h"

#include "processfigures.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QWidget>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString armedClass;
WindowProbe::Mode armedMode = WindowProbe::Mode::FirstPaint;
bool armed = false;

void say(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void endNow()
{
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

void WindowProbe::arm(const QString &windowClass, Mode mode)
{
    armedClass = windowClass;
    armedMode = mode;
    armed = true;
}

WindowProbe::Mode WindowProbe::takeMode(int &argc, char **argv)
{
    Mode mode = Mode::FirstPaint;
    if (argc > 1 && std::strcmp(argv[1], "--idle") == 0) {
        mode = Mode::Idle;
        for (int i = 1; i < argc; ++i)
            argv[i] = argv[i + 1];
        --argc;
    }
    return mode;
}

WindowProbe::WindowProbe(const QString &windowClass, Mode mode)
    : QObject(QCoreApplication::instance()), m_windowClass(windowClass), m_mode(mode)
{
    m_timerEventNs.reserve(4096);
}

void WindowProbe::install()
{
    if (!armed)
        return;
    QCoreApplication::instance()->installEventFilter(new WindowProbe(armedClass, armedMode));
}

namespace {
// Runs inside the QApplication constructor, before the program has created anything.
void installWindowProbe()
{
    WindowProbe::install();
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(installWindowProbe)

bool WindowProbe::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Timer:
        if (m_painted && watched != this)
            m_timerEventNs.push_back(ProcessFigures::monotonicNs());
        break;
    case QEvent::Paint:
        if (!m_painted && watched->isWidgetType() &&
            watched->inherits(m_windowClass.toLatin1().constData())) {
            m_painted = true;
            m_paintNs = ProcessFigures::monotonicNs();
            m_window = static_cast<QWidget *>(watched);
            // A paint that no window-system request asked for (a grab, a forced repaint) is
            // flushed by whoever asked for it, before control comes back to the event loop.
            if (!m_delivering)
                QMetaObject::invokeMethod(
                    this, [this] { frameComplete(); }, Qt::QueuedConnection);
        }
        break;
    case QEvent::Expose:
    case QEvent::UpdateRequest:
        if (!m_framed && !m_delivering)
            return deliverWindowEvent(watched, event);
        break;
    default:
        break;
    }
    return false;
}

// Sends the event on now, down the rest of its way (the filters installed on its receiver, then
// the receiver itself), as the application would right after this filter, so that the moment
// its handling has ended can be taken. The widgets paint and the backing store is flushed inside
// that handling.
bool WindowProbe::deliverWindowEvent(QObject *watched, QEvent *event)
{
    m_delivering = true;
    QCoreApplication::instance()->notify(watched, event);
    m_delivering = false;
    if (m_painted)
        frameComplete();
    return true;
}

void WindowProbe::frameComplete()
{
    if (m_framed)
        return;
    m_framed = true;
    const std::int64_t frameNs = ProcessFigures::monotonicNs();
    const std::int64_t peak = ProcessFigures::statusKib("VmHWM").value_or(-1);
    say(QStringLiteral("first_paint_ns=%1 first_frame_ns=%2 peak_rss_kib=%3 window=%4x%5")
            .arg(m_paintNs)
            .arg(frameNs)
            .arg(peak)
            .arg(m_window->width())
            .arg(m_window->height())
            .toLatin1());
    if (m_mode == Mode::FirstPaint)
        endNow();
    m_driver = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_driver, &QSocketNotifier::activated, this, &WindowProbe::readDriver);
    say("ready");
}

void WindowProbe::readDriver()
{
    char buffer[256];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0)
        endNow(); // the driver went away
    m_pending.append(buffer, int(got));
    const int newline = m_pending.indexOf('\n');
    if (newline < 0)
        return;
    const QList<QByteArray> words = m_pending.left(newline).split(' ');
    const std::int64_t since = words.value(1).toLongLong();
    qsizetype inWindow = 0;
    for (const std::int64_t at : m_timerEventNs) {
        if (at >= since)
            ++inWindow;
    }
    say(QStringLiteral("timer_events=%1 timer_events_after_paint=%2 armed_timers=%3")
            .arg(inWindow)
            .arg(m_timerEventNs.size())
            .arg(armedTimers())
            .toLatin1());
    endNow();
}

// Timers registered on any object the program can reach from its widgets or the application,
// armed ones that have not fired yet included.
int WindowProbe::armedTimers()
{
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher == nullptr)
        return 0;
    QObjectList objects{QCoreApplication::instance()};
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets)
        objects.append(widget);
    int count = 0;
    for (int i = 0; i < objects.size(); ++i) {
        QObject *object = objects.at(i);
        for (QObject *child : object->children()) {
            if (!child->isWidgetType())
                objects.append(child);
        }
        count += int(dispatcher->registeredTimers(object).size());
    }
    return count;
}
