// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QEvent;
class QSocketNotifier;
class QWidget;

// Watches a whole program from inside its own process, without the program's knowledge: armed
// before the QApplication exists, it installs itself as an application event filter the moment
// the application is built and waits for the first paint of the window class it was given.
//
// Two moments are taken: the first paint, when that window's own paint event begins, and the
// first complete frame, when the window system's request that caused it (the expose of the
// window, or an update request) has been handled in full: every child painted and the backing
// store flushed to the window system. What the user waits for is the second.
//
// It talks to the benchmark driver over stdout and stdin, one line at a time:
//   first frame:  "first_paint_ns=<monotonic ns> first_frame_ns=<monotonic ns>
//                  peak_rss_kib=<n> window=<w>x<h>" (one line)
//   FirstPaint:   the process then ends at once.
//   Idle:         "ready", then the program is left alone until the driver writes
//                 "end <monotonic ns>"; the probe answers
//                 "timer_events=<n since that time> timer_events_after_paint=<n> armed_timers=<n>"
//                 and the process ends.
class WindowProbe final : public QObject
{
    Q_OBJECT

public:
    enum class Mode { FirstPaint, Idle };

    // Call before the QApplication is constructed.
    static void arm(const QString &windowClass, Mode mode);

    // Reads the probe's options off the front of the command line ("--idle"), leaving the rest
    // for the program.
    static Mode takeMode(int &argc, char **argv);

    // Runs as the QApplication is constructed; does nothing unless armed.
    static void install();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowProbe(const QString &windowClass, Mode mode);

    bool deliverWindowEvent(QObject *watched, QEvent *event);
    void frameComplete();
    void readDriver();
    static int armedTimers();

    QString m_windowClass;
    Mode m_mode;
    bool m_painted = false;
    bool m_framed = false;
    bool m_delivering = false;
    QWidget *m_window = nullptr;
    std::int64_t m_paintNs = 0;
    std::vector<std::int64_t> m_timerEventNs;
    QSocketNotifier *m_driver = nullptr;
    QByteArray m_pending;
};
