// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Shows a window above every ordinary window without activating it, through Qt's own stay-on-top
// hint: on X11 Qt asks the window manager for the "above" state; on Windows it makes the window a
// topmost window with SetWindowPos.
void showTopmost(QWidget *window);

// Whether the window has been shown above ordinary windows, as far as the program asked for it.
bool isShownTopmost(const QWidget *window);
