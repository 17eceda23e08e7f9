// SPDX-License-Identifier: MIT
#pragma once

#include "processend.h"

// Ends the process without unwinding: no destructor, atexit handler or event runs afterwards,
// so no window handler can run once the program has decided to end.
class ImmediateProcessEnd final : public ProcessEnd
{
public:
    [[noreturn]] void endProcess(int status) override;
};
