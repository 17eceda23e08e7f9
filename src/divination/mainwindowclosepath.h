// SPDX-License-Identifier: MIT
#pragma once

// What closing the main window sets going: the farewell screen comes up and the hidden start-up
// window is hidden once more. The application's lifetime supplies it.
class MainWindowClosePath
{
public:
    virtual ~MainWindowClosePath() = default;
    virtual void showFarewellScreen() = 0;
    virtual void hideStartupWindow() = 0;
};
