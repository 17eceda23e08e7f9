// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

// A top-level window of the program as the shutdown sweep sees it.
class LoadedWindow
{
public:
    virtual ~LoadedWindow() = default;
    // Runs the window's own unload handler once and removes the window; does nothing when the
    // window's unload is already under way.
    virtual void unload() = 0;
    virtual bool isUnloading() const = 0;
};

// The collection of open windows: every window belongs to it from its load until its unload
// completes, hidden or not, in the order in which the windows were loaded. It owns them while
// they are loaded: a window still loaded when the collection goes is deleted with it. An
// unloaded window owns itself and deletes itself later.
class OpenWindows
{
public:
    OpenWindows() = default;
    ~OpenWindows();

    OpenWindows(const OpenWindows &) = delete;
    OpenWindows &operator=(const OpenWindows &) = delete;

    void add(LoadedWindow *window);
    void remove(LoadedWindow *window);

    bool contains(const LoadedWindow *window) const;
    qsizetype count() const { return m_windows.size(); }
    // The first window, in collection order, whose unload has not begun; null when none is left.
    LoadedWindow *firstNotUnloading() const;

private:
    QList<LoadedWindow *> m_windows;
};
