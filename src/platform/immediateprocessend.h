// SPDX-License-Identifier: MIT
#pragma once

#include "processend.h"

#include <functional>
#include <utility>

// Ends the process without unwinding: no destructor, atexit handler or event runs afterwards,
// so no window handler can run once the program has decided to end. The step set with setBeforeEnd
// runs just before (the program gives back its single-instance lock there).
class ImmediateProcessEnd final : public ProcessEnd
{
public:
    void setBeforeEnd(std::function<void()> beforeEnd) { m_beforeEnd = std::move(beforeEnd); }

    [[noreturn]] void endProcess(int status) override;

private:
    std::function<void()> m_beforeEnd;
};
