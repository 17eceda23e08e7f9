// SPDX-License-Identifier: MIT
#include "platform/topmostplacement.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

namespace {
// Only the windows platform plugin's window ids are window handles.
HWND nativeHandle(const QWidget *window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows") ||
        window->windowHandle() == nullptr)
        return nullptr;
    return reinterpret_cast<HWND>(window->winId());
}
} // namespace

void showTopmost(QWidget *window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->show();
    const HWND handle = nativeHandle(window);
    if (handle == nullptr)
        return;
    // Above every window that is not topmost, in its place and size, shown and not activated.
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool isShownTopmost(const QWidget *window)
{
    const HWND handle = nativeHandle(window);
    return handle != nullptr && (GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
