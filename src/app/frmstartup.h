// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform.h"
#include "platform/programwindow.h"

#include <QWidget>

#include <memory>

class MainWindowStarter;
class Shutdown;
class UpdateReminder;

namespace Ui {
class frmStartup;
}

// The first window of the program, never visible. Loading it runs the start-up: refuse a second
// copy, seed the random source, give the update reminder its say, show the main window, hide
// itself and pick the main window's promotional label. Each step that fails is skipped and the
// next one runs. It stays loaded, hidden, until the program ends; unloading it, for whatever
// reason, ends the program.
class frmStartup : public ProgramWindow<QWidget>
{
    Q_OBJECT

public:
    frmStartup(OpenWindows &openWindows, const Platform &platform, UpdateReminder &reminder,
               Shutdown &shutdown, MainWindowStarter &mainWindow, QWidget *parent = nullptr);
    ~frmStartup() override;

    // The promotional label drawn at start-up; nothing else reads it.
    qint16 intCoBrandRandomNumber = 0;

protected:
    void Form_Unload() override;

private:
    void Form_Load();

    std::unique_ptr<Ui::frmStartup> ui;
    Platform m_platform;
    UpdateReminder &m_reminder;
    Shutdown &m_shutdown;
    MainWindowStarter &m_mainWindow;
};
