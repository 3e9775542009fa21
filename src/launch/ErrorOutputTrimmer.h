// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Keeps the file behind a running generator's standard error from growing in memory without
// end. The run is looked at only when the generator has ended, so a thread of its own does
// the work meanwhile: it calls `trim` again and again, soon while the output grows fast and
// ever less often, down to some sixty times a second, while it does not.
class ErrorOutputTrimmer
{
public:
    // Frees what lies before the last `kept` bytes and returns by how many bytes the output
    // grew since its last call; nothing once it cannot trim, which ends the thread.
    using Trim = std::function<std::optional<std::uint64_t>()>;

    // What stays of the output: far more than the warning shows, and little memory.
    static constexpr std::uint64_t kept = 64 * 1024;

    // Throws std::system_error when no thread can be started.
    explicit ErrorOutputTrimmer(Trim trim);
    ErrorOutputTrimmer(const ErrorOutputTrimmer &) = delete;
    ErrorOutputTrimmer &operator=(const ErrorOutputTrimmer &) = delete;
    // Stops the thread; waits at most for the one trim under way.
    ~ErrorOutputTrimmer();

private:
    void run();

    Trim m_trim;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};
