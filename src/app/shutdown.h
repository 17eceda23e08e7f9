// SPDX-License-Identifier: MIT
#pragma once

class ProcessEnd;

// The one way the program ends itself. EndProgram closes every open window once - the
// application's top-level widgets, hidden ones included - each with its own close handling, and
// then ends the process. A close handler that calls EndProgram again nests: Qt skips a window
// whose close is already under way, and the first call to finish its sweep ends the process.
// The real process end never returns; with a test double the later calls see that the end has
// been requested and return at once.
class Shutdown
{
public:
    explicit Shutdown(ProcessEnd &processEnd) : m_processEnd(processEnd) {}

    void EndProgram();

    // From the first EndProgram on: a window closed now is closed on the way out.
    bool ending() const { return m_ending; }
    bool endRequested() const { return m_endRequested; }

private:
    ProcessEnd &m_processEnd;
    bool m_ending = false;
    bool m_endRequested = false;
};
