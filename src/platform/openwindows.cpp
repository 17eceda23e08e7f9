// SPDX-License-Identifier: MIT
#include "openwindows.h"

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
