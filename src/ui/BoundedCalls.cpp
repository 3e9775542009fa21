// SPDX-License-Identifier: MIT
#include "BoundedCalls.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {

// Most calls answer within this: waiting without running events keeps them cheap.
constexpr std::chrono::milliseconds quietWait(50);
constexpr std::chrono::milliseconds pollInterval(10);

} // namespace

BoundedCalls::BoundedCalls(std::chrono::milliseconds limit)
    : m_limit(limit), m_running(std::make_shared<Running>())
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
    if (!QCoreApplication::instance())
        return answer.waitUntil(deadline);
    // The windows keep painting; input waits until the answer is in or given up, so that
    // nothing acts on a list that is half-way through a change.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (answer.isDone() || std::chrono::steady_clock::now() >= deadline)
            loop.quit();
    });
    poll.start(pollInterval);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return answer.isDone();
}
