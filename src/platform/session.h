// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <functional>
#include <vector>

class QObject;

// What the program's desktop session needs around the toolkit; each system brings its
// session.cpp. On Linux: the choice of display server and what happens when none answers, and
// the termination signals. On Windows both are Qt's alone: its windows platform plugin is the
// only one, and a program with windows and no console gets no console signals. The end of the
// session itself reaches the program through Qt on every system.

// The command line for the QApplication: the program's own, with the display servers to try
// added unless the user chose with QT_QPA_PLATFORM or -platform. Build it before the
// QApplication and keep it until the QApplication is gone; call connected() once that is built.
class DisplayChoice
{
public:
    DisplayChoice(int argc, char **argv);
    ~DisplayChoice();

    DisplayChoice(const DisplayChoice &) = delete;
    DisplayChoice &operator=(const DisplayChoice &) = delete;

    // False when the session names no display server at all, after saying so on stderr in one
    // line. Until connected(), a display server named that does not answer ends the process the
    // same way, with status 1, where Qt would abort it.
    bool hasDisplay() const { return m_hasDisplay; }
    int &argc() { return m_argc; }
    char **argv() { return m_argv.data(); }
    void connected();

private:
    QByteArray m_option;
    QByteArray m_platforms;
    std::vector<char *> m_argv;
    int m_argc = 0;
    bool m_hasDisplay = true;
};

// From now on SIGTERM, SIGHUP and SIGINT - the way a desktop session or a terminal ends a
// program - call onEnd on the user-interface thread, from the event loop, nested loops of modal
// boxes included. A signal the program was started with ignored stays ignored: under nohup,
// SIGHUP; in a background job of a shell, SIGINT. Needs the QApplication; once per process.
void forwardTerminationSignals(QObject *context, std::function<void()> onEnd);
