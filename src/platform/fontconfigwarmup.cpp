// SPDX-License-Identifier: MIT
#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigWarmUp::FontConfigWarmUp(const QByteArray &qtPlatform)
{
    // "xcb", "wayland", a list such as "wayland;xcb", or one with options after a colon.
    if (!qtPlatform.startsWith("xcb") && !qtPlatform.startsWith("wayland"))
        return;
    try {
        // Fontconfig loads its configuration once per process, whichever thread asks first.
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // std::thread throws this when no thread can be started: the toolkit then loads the
        // configuration when it first needs it.
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    join();
}

void FontConfigWarmUp::join()
{
    if (m_thread.joinable())
        m_thread.join();
}
