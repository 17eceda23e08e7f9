// SPDX-License-Identifier: MIT
#include "platform/session.h"

// Qt's windows platform plugin is the only one, and the command line stays as it is.
DisplayChoice::DisplayChoice(int argc, char **argv) : m_argv(argv, argv + argc), m_argc(argc)
{
    m_argv.push_back(nullptr);
}

DisplayChoice::~DisplayChoice() = default;

void DisplayChoice::connected() {}

// A program with windows and no console gets no console signals; logging off and shutting down
// reach it through Qt.
void forwardTerminationSignals(QObject *, std::function<void()>) {}
