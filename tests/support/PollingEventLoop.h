// SPDX-License-Identifier: MIT
#pragma once

#include "EventLoop.h"

#include <functional>
#include <map>
#include <vector>

// An event loop for tests without a toolkit: each turn calls the watched handles that have
// turned ready, then the tasks posted before the turn.
class PollingEventLoop : public EventLoop
{
public:
    void watch(GeneratorRun::EndHandle handle, std::function<void()> ended) override
    {
        m_watched[handle] = std::move(ended);
    }
    void stopWatching(GeneratorRun::EndHandle handle) override { m_watched.erase(handle); }
    void post(std::function<void()> task) override { m_posted.push_back(std::move(task)); }

    // Turns until `done` holds, for a minute at most; false when it never did.
    bool runUntil(const std::function<bool()> &done);

    std::size_t watched() const { return m_watched.size(); }
    // How many watched handles have turned ready, without calling anything.
    std::size_t ready() const;

private:
    void turn();

    std::map<GeneratorRun::EndHandle, std::function<void()>> m_watched;
    std::vector<std::function<void()>> m_posted;
};

// Whether the handle has turned ready: readable, or signalled on Windows.
bool isReady(GeneratorRun::EndHandle handle);
