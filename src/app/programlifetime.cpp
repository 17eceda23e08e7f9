// SPDX-License-Identifier: MIT
#include "programlifetime.h"

#include "app/frmstartup.h"
#include "divination/cobrand.h"
#include "divination/frmmain.h"
#include "farewell/frmfarewell.h"

ProgramLifetime::ProgramLifetime(const Platform &platform)
    : m_platform(platform), m_links(platform.browser),
      m_reminder(platform.settings, platform.clock, platform.messages, m_links),
      m_shutdown(m_openWindows, platform.processEnd)
{
}

ProgramLifetime::~ProgramLifetime()
{
    // Only reached when the process end came back (tests): the windows still about must not
    // outlive the collection they belong to.
    delete m_farewell.data();
    delete m_main.data();
    delete m_startup.data();
}

frmStartup *ProgramLifetime::startupWindow() const
{
    return m_startup;
}

frmMain *ProgramLifetime::mainWindow() const
{
    return m_main;
}

frmFarewell *ProgramLifetime::farewellScreen() const
{
    return m_farewell;
}

void ProgramLifetime::start()
{
    if (m_startup)
        return;
    m_startup = new frmStartup(m_openWindows, m_platform, m_reminder, m_shutdown, *this);
}

void ProgramLifetime::endSession()
{
    if (isOpen(m_startup))
        m_startup->unload();
    else
        m_shutdown.EndProgram();
}

bool ProgramLifetime::isOpen(QWidget *window) const
{
    const auto *loaded = dynamic_cast<const LoadedWindow *>(window);
    return loaded && m_openWindows.contains(loaded) && !loaded->isUnloading();
}

bool ProgramLifetime::showMainWindow()
{
    if (!isOpen(m_main))
        m_main = new frmMain(m_openWindows, m_platform.random, m_links, *this);
    m_main->show();
    return true;
}

std::optional<qint16> ProgramLifetime::randomizeCoBrand()
{
    if (!isOpen(m_main))
        return std::nullopt;
    return CoBrand_Randomize(m_platform.random, *m_main);
}

void ProgramLifetime::showFarewellScreen()
{
    // Loading the farewell screen shows it, topmost.
    if (!isOpen(m_farewell))
        m_farewell = new frmFarewell(m_openWindows, m_platform, m_links, m_shutdown);
}

void ProgramLifetime::hideStartupWindow()
{
    if (m_startup)
        m_startup->hide();
}
