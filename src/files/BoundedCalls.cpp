// SPDX-License-Identifier: MIT
#include "BoundedCalls.h"

#include <algorithm>

namespace {

// Most calls answer within this: waiting without painting keeps them cheap.
constexpr std::chrono::milliseconds quietWait(50);

} // namespace

BoundedCalls::BoundedCalls(std::chrono::milliseconds limit, Waiter *waiter)
    : m_limit(limit), m_waiter(waiter), m_running(std::make_shared<Running>())
{ }

void BoundedCalls::Answer::markDone()
{
    {
        const std::lock_guard lock(m_mutex);
        m_isDone = true;
    }
    m_done.notify_all();
}

bool BoundedCalls::Answer::isDone()
{
    const std::lock_guard lock(m_mutex);
    return m_isDone;
}

bool BoundedCalls::Answer::waitUntil(std::chrono::steady_clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    return m_done.wait_until(lock, deadline, [this] { return m_isDone; });
}

bool BoundedCalls::Running::claim(const std::string &key)
{
    const std::lock_guard lock(m_mutex);
    return m_keys.insert(key).second;
}

void BoundedCalls::Running::release(const std::string &key)
{
    const std::lock_guard lock(m_mutex);
    m_keys.erase(key);
}

bool BoundedCalls::waitFor(Answer &answer) const
{
    const auto deadline = std::chrono::steady_clock::now() + m_limit;
    if (answer.waitUntil(std::min(deadline, std::chrono::steady_clock::now() + quietWait)))
        return true;
    if (!m_waiter)
        return answer.waitUntil(deadline);
    m_waiter->wait([&answer] { return answer.isDone(); }, deadline);
    return answer.isDone();
}
