// SPDX-License-Identifier: MIT
#include "fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <system_error>

FontConfigWarmUp::FontConfigWarmUp(const QByteArray &qtPlatform)
{
    // "xcb", "wayland", a list such as "wayland;xcb", or one with options after a colon.
    if (!qtPlatform.startsWith("xcb") && !qtPlatform.startsWith("wayland"))
        return;
    // The configuration is kept for the life of the process. The program's few threads all
    // allocate from the main heap, so that it takes no more room than if the toolkit had loaded
    // it itself, where a heap of the thread's own would keep its pages as well.
    mallopt(M_ARENA_MAX, 1);
    try {
        // Fontconfig loads its configuration once per process, whichever thread asks first.
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: the toolkit loads the configuration when it first needs it.
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
