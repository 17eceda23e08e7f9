// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Shows a window above every ordinary window without activating it. On X11 this asks the
// window manager for the "above" state; on Windows the window becomes a topmost window.
void showTopmost(QWidget *window);

// Whether the window has been shown above ordinary windows: on Windows whether the system made it
// a topmost window; elsewhere whether it asked for it.
bool isShownTopmost(const QWidget *window);
