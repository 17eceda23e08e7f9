// SPDX-License-Identifier: MIT
#include "shutdown.h"

#include "platform/openwindows.h"
#include "platform/processend.h"

#include <QSet>

Shutdown::Shutdown(OpenWindows &openWindows, ProcessEnd &processEnd)
    : m_openWindows(openWindows), m_processEnd(processEnd)
{
}

void Shutdown::EndProgram()
{
    if (m_endRequested)
        return;
    // Walk the live collection rather than a copy, so a window loaded by an unload handler on
    // the way out is unloaded too.
    QSet<LoadedWindow *> attempted;
    while (LoadedWindow *window = m_openWindows.firstNotUnloading()) {
        // A window whose unload did not begin would come back first every time; the sweep gives
        // up on the rest rather than loop, and the process ends regardless.
        if (attempted.contains(window))
            break;
        attempted.insert(window);
        window->unload();
        if (m_endRequested)
            return;
    }
    m_endRequested = true;
    m_processEnd.endProcess(0);
}
