// SPDX-License-Identifier: MIT
#include "platform/topmost.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

namespace {
// Only the windows platform plugin makes system windows; under another one (offscreen, minimal)
// a window id is no window handle, and the request stays Qt's hint.
bool systemWindows()
{
    return QGuiApplication::platformName() == QLatin1String("windows");
}

HWND handleOf(const QWidget *window)
{
    return reinterpret_cast<HWND>(window->winId());
}
} // namespace

void showTopmost(QWidget *window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (!systemWindows())
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
    if (!systemWindows())
        return;
    // Above every window that is not topmost, in its place and size, shown and not activated.
    SetWindowPos(handleOf(window), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool isShownTopmost(const QWidget *window)
{
    if (!window->isVisible())
        return false;
    if (!systemWindows())
        return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    return (GetWindowLongPtrW(handleOf(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
