// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <optional>

// The part of the start-up that concerns the main window: bringing it up, and then choosing
// which of its promotional labels lies on top.
class MainWindowStarter
{
public:
    virtual ~MainWindowStarter() = default;
    // Loads the main window and shows it without waiting for it; false when it could not.
    virtual bool showMainWindow() = 0;
    // The number drawn for the promotional labels; nothing when there is no main window.
    virtual std::optional<qint16> randomizeCoBrand() = 0;
};
