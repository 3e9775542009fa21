// SPDX-License-Identifier: MIT
#pragma once

#include "Waiter.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

// Runs calls that may block in the kernel (a folder on a dead network or FUSE mount) on a
// thread of their own, and waits for each at most a fixed time. A call that outlives it is
// abandoned: its thread runs on, touching nothing but its own state, and its result is
// dropped. While it runs, a new call with the same key fails at once, so that a dead mount
// costs one wait and one thread rather than one per try. Threads are detached, never joined:
// the program can end while one is stuck.
class BoundedCalls
{
public:
    // While a call is slow to answer, `waiter` (when given) keeps the caller's windows painted.
    explicit BoundedCalls(std::chrono::milliseconds limit, Waiter *waiter = nullptr);

    // `work` must own everything it uses: it may outlive the caller and this object.
    template<typename Result, typename Work>
    std::optional<Result> run(const std::string &key, Work work) const;

private:
    // What one call's thread shares with the waiting side.
    class Answer
    {
    public:
        void markDone();
        bool isDone();
        bool waitUntil(std::chrono::steady_clock::time_point deadline);

    private:
        std::mutex m_mutex;
        std::condition_variable m_done;
        bool m_isDone = false;
    };

    template<typename Result>
    struct Call : Answer
    {
        std::optional<Result> result;
    };

    // Keys of calls whose thread has not finished; outlives this object for their sake.
    class Running
    {
    public:
        bool claim(const std::string &key);
        void release(const std::string &key);

    private:
        std::mutex m_mutex;
        std::set<std::string> m_keys;
    };

    // Waits for `answer` until the limit.
    bool waitFor(Answer &answer) const;

    std::chrono::milliseconds m_limit;
    Waiter *m_waiter;
    std::shared_ptr<Running> m_running;
};

template<typename Result, typename Work>
std::optional<Result> BoundedCalls::run(const std::string &key, Work work) const
{
    if (!m_running->claim(key))
        return std::nullopt;
    auto call = std::make_shared<Call<Result>>();
    try {
        std::thread([call, running = m_running, key, work = std::move(work)]() mutable {
            Result result = work();
            // Released before the answer, so that the caller's next call on the key is free.
            running->release(key);
            call->result = std::move(result);
            call->markDone();
        }).detach();
    } catch (const std::system_error &) {
        m_running->release(key);
        return std::nullopt;
    }
    if (!waitFor(*call))
        return std::nullopt;
    return std::move(call->result);
}
