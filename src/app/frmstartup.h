// SPDX-License-Identifier: MIT
#pragma once

#include "platform/programwindow.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class InstanceGuard;
class MessageBoxes;
class RandomSource;
class Shutdown;
class UpdateReminder;

namespace Ui {
class frmStartup;
}

// The first window of the program, never visible. Loading it runs the start-up: refuse a second
// copy, seed the random source, give the update reminder its say, show the main window, hide
// itself and pick the main window's promotional label. Each step that fails is skipped and the
// next one runs. It stays loaded, hidden, until the program ends; unloading it, for whatever
// reason, ends the program. The main window is its owner's: showMainWindow loads and shows it
// without waiting for it, and randomizeCoBrand draws its promotional label (nothing when there
// is no main window).
class frmStartup : public ProgramWindow<QWidget>
{
    Q_OBJECT

public:
    frmStartup(OpenWindows &openWindows, InstanceGuard &instance, MessageBoxes &messages,
               const Clock &clock, RandomSource &random, UpdateReminder &reminder,
               Shutdown &shutdown, std::function<void()> showMainWindow,
               std::function<std::optional<qint16>()> randomizeCoBrand, QWidget *parent = nullptr);
    ~frmStartup() override;

    // The promotional label drawn at start-up; nothing else reads it.
    qint16 intCoBrandRandomNumber = 0;

protected:
    void Form_Unload() override;

private:
    void Form_Load();

    std::unique_ptr<Ui::frmStartup> ui;
    InstanceGuard &m_instance;
    MessageBoxes &m_messages;
    const Clock &m_clock;
    RandomSource &m_random;
    UpdateReminder &m_reminder;
    Shutdown &m_shutdown;
    std::function<void()> m_showMainWindow;
    std::function<std::optional<qint16>()> m_randomizeCoBrand;
};
