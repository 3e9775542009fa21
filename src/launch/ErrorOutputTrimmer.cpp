// SPDX-License-Identifier: MIT
#include "ErrorOutputTrimmer.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// A generator writes a megabyte or two a millisecond at most. While nothing grows the pauses
// double, up to the longest, which bounds what a burst after a quiet spell can pile up.
constexpr std::chrono::milliseconds shortestPause {1};
constexpr std::chrono::milliseconds longestPause {16};

} // namespace

ErrorOutputTrimmer::ErrorOutputTrimmer(Trim trim)
    : m_trim(std::move(trim)), m_thread([this] { run(); })
{ }

ErrorOutputTrimmer::~ErrorOutputTrimmer()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void ErrorOutputTrimmer::run()
{
    std::chrono::milliseconds pause = shortestPause;
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, pause, [this] { return m_stopping; })) {
        lock.unlock();
        const std::optional<std::uint64_t> grown = m_trim();
        lock.lock();
        if (!grown)
            return;
        // Output that grew by the kept amount in one pause would outgrow it in the next.
        pause = *grown >= kept ? shortestPause : std::min(pause * 2, longestPause);
    }
}
