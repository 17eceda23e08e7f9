// SPDX-License-Identifier: MIT
#include "frmstartup.h"

#include "app/shutdown.h"
#include "divination/cobrand.h"
#include "divination/frmmain.h"
#include "farewell/frmfarewell.h"
#include "platform/instanceguard.h"
#include "platform/messageboxes.h"
#include "platform/randomsource.h"
#include "weblinks/updatereminder.h"

#include <QCloseEvent>
#include <QDate>

frmStartup::frmStartup(const ProgramParts &parts) : m_parts(parts)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Form_Load();
}

frmStartup::~frmStartup() = default;

frmMain *frmStartup::mainWindow() const
{
    return m_main;
}

void frmStartup::Form_Load()
{
    if (m_parts.instance.anotherCopyRunning()) {
        m_parts.messages.show(tr("Application is already running"), MessageIcon::Information,
                              MessageButtons::Ok);
        m_parts.shutdown.EndProgram();
        // Only a process end that comes back (in tests) gets here; nothing more may start.
        return;
    }

    m_parts.random.reseed(clockSeed());
    // A reminder that reports failure has nothing left to do: the main window comes next anyway.
    m_parts.reminder.RunUpdateReminder(QDate::currentDate());
    // The program may have been told to end while the question was open; only a process end
    // that comes back (in tests) gets here then, and nothing more of the start-up may run.
    if (m_parts.shutdown.endRequested())
        return;
    m_main = new frmMain(m_parts.random, m_parts.links);
    connect(m_main, &frmMain::unloaded, this, &frmStartup::mainWindowUnloaded);
    m_main->show();
    hide();
    intCoBrandRandomNumber = CoBrand_Randomize(m_parts.random, *m_main);
}

void frmStartup::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmStartup::Form_Unload()
{
    m_parts.shutdown.EndProgram();
}

void frmStartup::mainWindowUnloaded()
{
    // A window created on the way out would only flash up, and could leave the window manager an
    // empty frame.
    if (!m_parts.shutdown.ending()) {
        auto *const farewell = new frmFarewell(m_parts.messages, m_parts.random, m_parts.links);
        Shutdown &shutdown = m_parts.shutdown;
        connect(farewell, &frmFarewell::unloaded, farewell, [&shutdown] { shutdown.EndProgram(); });
    }
    hide();
}
