// SPDX-License-Identifier: MIT
#pragma once

#include "openwindows.h"

#include <QCloseEvent>

#include <utility>

// A top-level form of the program on a Qt window class (QWidget, QDialog, ...). Constructing it
// loads it into the collection of open windows; unloading it - by its close box, by close(), or
// by the shutdown sweep - runs Form_Unload exactly once, hides the window, leaves the collection
// and deletes the window later. The unload is never cancelled. Until then the collection owns
// the window.
template <class QtWindow> class ProgramWindow : public QtWindow, public LoadedWindow
{
public:
    template <class... Args>
    explicit ProgramWindow(OpenWindows &openWindows, Args &&...args)
        : QtWindow(std::forward<Args>(args)...), m_openWindows(openWindows)
    {
        m_openWindows.add(this);
    }

    // A window that has left the collection no longer touches it: it may be gone by now.
    ~ProgramWindow() override
    {
        if (!m_left)
            m_openWindows.remove(this);
    }

    void unload() override
    {
        if (m_unloading)
            return;
        m_unloading = true;
        Form_Unload();
        QtWindow::hide();
        m_openWindows.remove(this);
        m_left = true;
        QtWindow::deleteLater();
    }

    bool isUnloading() const override { return m_unloading; }

protected:
    // The window's unload handler.
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent *event) override
    {
        event->accept();
        unload();
    }

private:
    OpenWindows &m_openWindows;
    bool m_unloading = false;
    bool m_left = false;
};
