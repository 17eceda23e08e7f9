// SPDX-License-Identifier: MIT
#pragma once

// Ends the process at once: no event loop, no window handler runs afterwards. The real
// implementation never returns; test doubles record the request and do.
class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;
    virtual void endProcess(int status) = 0;
};
