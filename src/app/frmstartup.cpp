// SPDX-License-Identifier: MIT
#include "frmstartup.h"

#include "app/shutdown.h"
#include "platform/apptitle.h"
#include "platform/clock.h"
#include "platform/instanceguard.h"
#include "platform/messageboxes.h"
#include "platform/randomsource.h"
#include "ui_frmstartup.h"
#include "weblinks/updatereminder.h"

#include <utility>

frmStartup::frmStartup(OpenWindows &openWindows, InstanceGuard &instance, MessageBoxes &messages,
                       const Clock &clock, RandomSource &random, UpdateReminder &reminder,
                       Shutdown &shutdown, std::function<void()> showMainWindow,
                       std::function<std::optional<qint16>()> randomizeCoBrand, QWidget *parent)
    : ProgramWindow<QWidget>(openWindows, parent), ui(std::make_unique<Ui::frmStartup>()),
      m_instance(instance), m_messages(messages), m_clock(clock), m_random(random),
      m_reminder(reminder), m_shutdown(shutdown), m_showMainWindow(std::move(showMainWindow)),
      m_randomizeCoBrand(std::move(randomizeCoBrand))
{
    ui->setupUi(this);
    setWindowTitle(::windowTitle());
    Form_Load();
}

frmStartup::~frmStartup() = default;

void frmStartup::Form_Load()
{
    if (m_instance.anotherCopyRunning()) {
        m_messages.show(QStringLiteral("Application is already running"), MessageIcon::Information,
                        MessageButtons::Ok);
        m_shutdown.EndProgram();
        // Only a process end that comes back (in tests) gets here; nothing more may start.
        return;
    }

    m_random.reseed(m_clock.seed());
    // A reminder that reports failure has nothing left to do: the main window comes next anyway.
    m_reminder.RunUpdateReminder();
    // The program may have been told to end while the question was open; only a process end
    // that comes back (in tests) gets here then, and nothing more of the start-up may run.
    if (m_shutdown.endRequested())
        return;
    m_showMainWindow();
    hide();
    if (const std::optional<qint16> drawn = m_randomizeCoBrand())
        intCoBrandRandomNumber = *drawn;
}

void frmStartup::Form_Unload()
{
    m_shutdown.EndProgram();
}
