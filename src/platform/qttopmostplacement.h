// SPDX-License-Identifier: MIT
#pragma once

#include "topmostplacement.h"

// On X11 this asks the window manager for the "above" state.
class QtTopmostPlacement final : public TopmostPlacement
{
public:
    void showTopmost(QWidget *window) override;
};
