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
    m_startup = new frmStartup(
        m_openWindows, m_platform.instance, m_platform.messages, m_platform.clock,
        m_platform.random, m_reminder, m_shutdown, [this] { showMainWindow(); },
        [this] { return randomizeCoBrand(); });
}

void ProgramLifetime::endSession()
{
    m_endingFromOutside = true;
    if (isOpen(m_startup))
        m_startup->unload();
    else
        m_shutdown.EndProgram();
}

bool ProgramLifetime::isOpen(const LoadedWindow *window) const
{
    return window != nullptr && m_openWindows.contains(window) && !window->isUnloading();
}

void ProgramLifetime::showMainWindow()
{
    if (!isOpen(m_main)) {
        m_main = new frmMain(m_openWindows, m_platform.random, m_links);
        QObject::connect(m_main, &frmMain::unloaded, m_main, [this] { mainWindowUnloaded(); });
    }
    m_main->show();
}

std::optional<qint16> ProgramLifetime::randomizeCoBrand()
{
    if (!isOpen(m_main))
        return std::nullopt;
    return CoBrand_Randomize(m_platform.random, *m_main);
}

void ProgramLifetime::mainWindowUnloaded()
{
    // A window created on the way out would only flash up, and could leave the window manager
    // an empty frame.
    if (!m_endingFromOutside)
        showFarewellScreen();
    if (m_startup)
        m_startup->hide();
}

void ProgramLifetime::showFarewellScreen()
{
    if (!isOpen(m_farewell))
        m_farewell = new frmFarewell(m_openWindows, m_platform.messages, m_platform.clock,
                                     m_platform.random, m_links, m_shutdown);
}
