// SPDX-License-Identifier: MIT
#pragma once

// Ends the process at once: no event loop, no window handler runs afterwards. The real one never
// returns; test doubles record the request and do.
class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;
    virtual void endProcess(int status) = 0;
};

// Ends the process without unwinding: no destructor, atexit handler or event runs afterwards, so
// no window handler can run once the program has decided to end. What the program holds of the
// system (the single-instance guard) the system gives back with the process.
class ImmediateProcessEnd final : public ProcessEnd
{
public:
    [[noreturn]] void endProcess(int status) override;
};
