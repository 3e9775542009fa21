// SPDX-License-Identifier: MIT
#include "Win32EventLoop.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>

namespace {

constexpr wchar_t loopClassName[] = L"LapforgeEventLoop";
// wParam is the handle, lParam the generation of the wait that saw it signalled.
constexpr UINT endMessage = WM_APP;
constexpr UINT taskMessage = WM_APP + 1;

constexpr std::chrono::milliseconds pollInterval(10);

struct MessageRange
{
    UINT first;
    UINT last;
};

// Every message but the mouse's, the keyboard's and raw input, whether the system queued
// them or a program posted them, and but WM_QUIT, which is for the loop that ends on it.
constexpr MessageRange allButInput[] {
    {WM_NULL, WM_QUIT - 1},
    {WM_QUIT + 1, WM_NCMOUSEMOVE - 1},
    {WM_NCXBUTTONDBLCLK + 1, WM_INPUT - 1},
    {WM_KEYLAST + 1, WM_MOUSEFIRST - 1},
    {WM_MOUSELAST + 1, ~UINT {0}},
};

// Wine hands out WM_QUIT whatever the range asked for: it is kept, for the caller to post
// again once it is done.
void dispatchAllButInput(std::optional<WPARAM> &quit)
{
    constexpr UINT fromQueues = PM_REMOVE | PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
    MSG message;
    for (const MessageRange &range : allButInput) {
        while (PeekMessageW(&message, nullptr, range.first, range.last, fromQueues)) {
            if (message.message == WM_QUIT)
                quit = message.wParam;
            else
                DispatchMessageW(&message);
        }
    }
}

ATOM registerLoopClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = loopClassName;
    return RegisterClassExW(&windowClass);
}

} // namespace

Win32EventLoop::Win32EventLoop()
{
    static const ATOM loopClass = registerLoopClass(procedure);
    if (!loopClass)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "the event loop's window class");
    m_window.reset(CreateWindowExW(0, loopClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    if (!m_window)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "the event loop's window");
    // Only the loop's own messages need it, and none is posted before this.
    SetWindowLongPtrW(m_window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

// Ends still queued and tasks never run are dropped with the window, as a loop that has
// ended would drop them.
Win32EventLoop::~Win32EventLoop()
{
    for (auto &[handle, watched] : m_watched)
        unregisterWait(std::move(watched.registration));
    m_watched.clear();
}

void Win32EventLoop::watch(GeneratorRun::EndHandle handle, std::function<void()> ended)
{
    stopWatching(handle);
    m_watched[handle] = Watched {std::move(ended), registerWait(handle)};
}

void Win32EventLoop::stopWatching(GeneratorRun::EndHandle handle)
{
    const auto found = m_watched.find(handle);
    if (found == m_watched.end())
        return;
    unregisterWait(std::move(found->second.registration));
    m_watched.erase(found);
}

void Win32EventLoop::post(std::function<void()> task)
{
    m_posted.push_back(std::move(task));
    // Should the queue be full, the task runs at the next one's message instead.
    PostMessageW(m_window.get(), taskMessage, 0, 0);
}

// Input waits until the answer is in or given up, so that nothing acts on a list that is
// half-way through a change; painting, timers and posted messages go on.
void Win32EventLoop::wait(const std::function<bool()> &answered,
                          std::chrono::steady_clock::time_point deadline)
{
    std::optional<WPARAM> quit;
    while (!answered()) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            break;
        const auto timeout =
            std::min(std::chrono::ceil<std::chrono::milliseconds>(left), pollInterval);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeout.count()),
                                    QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER, 0);
        dispatchAllButInput(quit);
    }
    if (quit)
        PostQuitMessage(static_cast<int>(*quit));
}

LRESULT CALLBACK Win32EventLoop::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *loop = reinterpret_cast<Win32EventLoop *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case endMessage:
        loop->handleEnd(reinterpret_cast<HANDLE>(wParam), static_cast<std::uintptr_t>(lParam));
        return 0;
    case taskMessage:
        loop->runPostedTask();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// On a thread of the system's pool: only posts, and so never waits for the GUI thread.
void CALLBACK Win32EventLoop::signalled(void *registration, BOOLEAN)
{
    const auto &seen = *static_cast<const Registration *>(registration);
    PostMessageW(seen.window, endMessage, reinterpret_cast<WPARAM>(seen.handle),
                 static_cast<LPARAM>(seen.generation));
}

// Once only: while the handle stays signalled, the next wait is registered after `ended`
// has been called, so that ends come one message at a time rather than as a flood.
std::unique_ptr<Win32EventLoop::Registration> Win32EventLoop::registerWait(HANDLE handle)
{
    auto registration =
        std::make_unique<Registration>(Registration {m_window.get(), handle, ++m_generations});
    if (!RegisterWaitForSingleObject(&registration->wait, handle, signalled, registration.get(),
                                     INFINITE, WT_EXECUTEONLYONCE))
        registration->wait = nullptr;
    return registration;
}

// Waits for a callback under way to finish, so that the registration it reads is not freed
// beneath it: that is a PostMessage at most, since the callback never waits for this thread.
void Win32EventLoop::unregisterWait(std::unique_ptr<Registration> registration)
{
    if (registration && registration->wait)
        UnregisterWaitEx(registration->wait, INVALID_HANDLE_VALUE);
}

// A message from a wait no longer current, as after stopWatching or for a handle value the
// system has since reused, is stale and ignored.
void Win32EventLoop::handleEnd(HANDLE handle, std::uintptr_t generation)
{
    auto found = m_watched.find(handle);
    if (found == m_watched.end() || !found->second.registration
        || found->second.registration->generation != generation)
        return;
    unregisterWait(std::move(found->second.registration));
    // A copy, since `ended` may stop watching, which destroys the one kept here.
    const std::function<void()> ended = found->second.ended;
    ended();
    found = m_watched.find(handle);
    if (found != m_watched.end() && !found->second.registration)
        found->second.registration = registerWait(handle);
}

void Win32EventLoop::runPostedTask()
{
    if (m_posted.empty())
        return;
    const std::function<void()> task = std::move(m_posted.front());
    m_posted.pop_front();
    task();
}
