// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Shows a window above every ordinary window without activating it. On X11 this asks the
// window manager for the "above" state.
void showTopmost(QWidget *window);
