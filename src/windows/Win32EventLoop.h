// SPDX-License-Identifier: MIT
#pragma once

#include "EventLoop.h"
#include "OwnedHandle.h"
#include "Waiter.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "WindowsApi.h"

// The GUI thread's message loop, for watching the generators and for waiting on a slow
// folder. The system's thread pool waits on each process handle and posts its end to a
// message-only window of this loop, so that `ended` runs on the GUI thread, between messages;
// while a folder is slow to answer, the windows keep painting but input waits.
class Win32EventLoop : public EventLoop, public Waiter
{
public:
    // Throws std::system_error when the loop's window cannot be made.
    Win32EventLoop();
    ~Win32EventLoop() override;
    Win32EventLoop(const Win32EventLoop &) = delete;
    Win32EventLoop &operator=(const Win32EventLoop &) = delete;

    void watch(GeneratorRun::EndHandle handle, std::function<void()> ended) override;
    void stopWatching(GeneratorRun::EndHandle handle) override;
    void post(std::function<void()> task) override;

    void wait(const std::function<bool()> &answered,
              std::chrono::steady_clock::time_point deadline) override;

private:
    // What the pool's thread needs to post a handle's end; it never changes once registered.
    struct Registration
    {
        HWND window;
        HANDLE handle;
        std::uintptr_t generation;
        HANDLE wait = nullptr;
    };
    struct Watched
    {
        std::function<void()> ended;
        // None while `ended` is being called.
        std::unique_ptr<Registration> registration;
    };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK signalled(void *registration, BOOLEAN timedOut);

    std::unique_ptr<Registration> registerWait(HANDLE handle);
    static void unregisterWait(std::unique_ptr<Registration> registration);
    void handleEnd(HANDLE handle, std::uintptr_t generation);
    void runPostedTask();

    OwnedWindow m_window;
    std::map<HANDLE, Watched> m_watched;
    std::deque<std::function<void()>> m_posted;
    std::uintptr_t m_generations = 0;
};
