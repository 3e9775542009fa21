// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

// How a caller waits for an answer that is slow to come: a front end keeps its windows
// painted meanwhile, but holds input back, so that nothing acts on a list that is half-way
// through a change.
class Waiter
{
public:
    virtual ~Waiter() = default;

    // Returns once `answered` holds or `deadline` has passed.
    virtual void wait(const std::function<bool()> &answered,
                      std::chrono::steady_clock::time_point deadline) = 0;
};
