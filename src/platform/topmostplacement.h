// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Shows a window above every ordinary window without activating it.
class TopmostPlacement
{
public:
    virtual ~TopmostPlacement() = default;
    virtual void showTopmost(QWidget *window) = 0;
};
