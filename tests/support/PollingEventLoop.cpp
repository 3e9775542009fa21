// SPDX-License-Identifier: MIT
#include "PollingEventLoop.h"

#include <chrono>
#include <thread>

bool PollingEventLoop::runUntil(const std::function<bool()> &done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        turn();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::size_t PollingEventLoop::ready() const
{
    std::size_t count = 0;
    for (const auto &[handle, ended] : m_watched)
        count += isReady(handle) ? 1 : 0;
    return count;
}

void PollingEventLoop::turn()
{
    std::vector<GeneratorRun::EndHandle> ready;
    for (const auto &[handle, ended] : m_watched) {
        if (isReady(handle))
            ready.push_back(handle);
    }
    // A call may stop watching its own handle or others.
    for (GeneratorRun::EndHandle handle : ready) {
        if (const auto watched = m_watched.find(handle); watched != m_watched.end()) {
            const auto ended = watched->second;
            ended();
        }
    }
    std::vector<std::function<void()>> posted = std::move(m_posted);
    m_posted.clear();
    for (const auto &task : posted)
        task();
}
