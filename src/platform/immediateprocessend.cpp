// SPDX-License-Identifier: MIT
#include "immediateprocessend.h"

#include <cstdio>
#include <cstdlib>

void ImmediateProcessEnd::endProcess(int status)
{
    if (m_beforeEnd)
        m_beforeEnd();
    std::fflush(nullptr);
    std::_Exit(status);
}
