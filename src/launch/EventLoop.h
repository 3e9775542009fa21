// SPDX-License-Identifier: MIT
#pragma once

#include "GeneratorRun.h"

#include <functional>

// What watching the generators asks of a front end's event loop: to hear of a generator's
// end without a thread that waits or a timer that polls, and to run a task once the present
// event is done.
class EventLoop
{
public:
    virtual ~EventLoop() = default;

    // Calls `ended` from the loop when `handle` turns readable (signalled, on Windows), and
    // again each time it still is, until the handle is no longer watched.
    virtual void watch(GeneratorRun::EndHandle handle, std::function<void()> ended) = 0;
    // Safe from inside that handle's own `ended`.
    virtual void stopWatching(GeneratorRun::EndHandle handle) = 0;

    // Calls `task` from the loop, after the event that is being handled now.
    virtual void post(std::function<void()> task) = 0;
};
