// SPDX-License-Identifier: MIT
#include "frmstartup.h"

#include "app/mainwindowstarter.h"
#include "app/shutdown.h"
#include "platform/apptitle.h"
#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messageboxes.h"
#include "platform/randomsource.h"
#include "ui_frmstartup.h"
#include "weblinks/updatereminder.h"

namespace {
// Start-up goes on whatever one step does: a step that throws is abandoned and the next runs.
template <class Step> void runStep(Step &&step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}
} // namespace

frmStartup::frmStartup(OpenWindows &openWindows, const Platform &platform, UpdateReminder &reminder,
                       Shutdown &shutdown, MainWindowStarter &mainWindow, QWidget *parent)
    : ProgramWindow<QWidget>(openWindows, parent), ui(std::make_unique<Ui::frmStartup>()),
      m_platform(platform), m_reminder(reminder), m_shutdown(shutdown), m_mainWindow(mainWindow)
{
    ui->setupUi(this);
    setWindowTitle(::windowTitle());
    Form_Load();
}

frmStartup::~frmStartup() = default;

void frmStartup::Form_Load()
{
    bool anotherCopy = false;
    runStep([this, &anotherCopy] { anotherCopy = m_platform.instance.anotherCopyRunning(); });
    if (anotherCopy) {
        // A box that cannot be shown must not let a second copy through.
        runStep([this] {
            m_platform.messages.show(QStringLiteral("Application is already running"),
                                     MessageIcon::Information, MessageButtons::Ok);
        });
        m_shutdown.EndProgram();
        // Only a process end that comes back (in tests) gets here; nothing more may start.
        return;
    }

    runStep([this] { m_platform.random.reseed(m_platform.clock.seed()); });
    // A reminder that reports failure has nothing left to do: the main window comes next anyway.
    runStep([this] { m_reminder.RunUpdateReminder(); });
    // The program may have been told to end while the question was open; only a process end
    // that comes back (in tests) gets here then, and nothing more of the start-up may run.
    if (m_shutdown.endRequested())
        return;
    runStep([this] { m_mainWindow.showMainWindow(); });
    runStep([this] { hide(); });
    runStep([this] {
        if (const std::optional<qint16> drawn = m_mainWindow.randomizeCoBrand())
            intCoBrandRandomNumber = *drawn;
    });
}

void frmStartup::Form_Unload()
{
    m_shutdown.EndProgram();
}
