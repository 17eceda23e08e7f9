// SPDX-License-Identifier: MIT
#include "immediateprocessend.h"

#include <cstdio>
#include <cstdlib>

void ImmediateProcessEnd::endProcess(int status)
{
    if (m_beforeEnd) {
        try {
            m_beforeEnd();
        } catch (...) {
            // Nothing may keep the process alive now.
        }
    }
    std::fflush(nullptr);
    std::_Exit(status);
}
