// SPDX-License-Identifier: MIT
#pragma once

class OpenWindows;
class ProcessEnd;

// The one way the program ends itself. EndProgram unloads every open window once, each with its
// own unload handler, and then ends the process. Unload handlers that call EndProgram again
// nest: the nested sweep skips windows whose unload is already under way, and the first call to
// finish its sweep ends the process. The real process end never returns; with a test double the
// later calls see that the end has been requested and return at once.
class Shutdown
{
public:
    Shutdown(OpenWindows &openWindows, ProcessEnd &processEnd);

    void EndProgram();

    bool endRequested() const { return m_endRequested; }

private:
    OpenWindows &m_openWindows;
    ProcessEnd &m_processEnd;
    bool m_endRequested = false;
};
