// SPDX-License-Identifier: MIT
#include "openwindows.h"

OpenWindows::~OpenWindows()
{
    // The last loaded first: a dialog goes before the window it belongs to.
    while (!m_windows.isEmpty())
        delete m_windows.takeLast();
}

void OpenWindows::add(LoadedWindow *window)
{
    if (!m_windows.contains(window))
        m_windows.append(window);
}

void OpenWindows::remove(LoadedWindow *window)
{
    m_windows.removeAll(window);
}

bool OpenWindows::contains(const LoadedWindow *window) const
{
    return m_windows.contains(const_cast<LoadedWindow *>(window));
}

LoadedWindow *OpenWindows::firstNotUnloading() const
{
    for (LoadedWindow *window : m_windows) {
        if (!window->isUnloading())
            return window;
    }
    return nullptr;
}
