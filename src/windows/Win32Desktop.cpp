// SPDX-License-Identifier: MIT
#include "Win32Desktop.h"

#include "EventLoop.h"
#include "Form.h"
#include "Win32Window.h"

#include <memory>

Win32Desktop::Win32Desktop(HINSTANCE instance, EventLoop &loop) : m_instance(instance), m_loop(loop)
{ }

Win32Desktop::~Win32Desktop() = default;

void Win32Desktop::show(Form &window)
{
    std::unique_ptr<Win32Window> &shown = m_windows[&window];
    if (!shown)
        shown = std::make_unique<Win32Window>(window, m_instance);
    shown->show();
}

void Win32Desktop::hide(Form &window)
{
    if (Win32Window *shown = windowOf(window))
        shown->hide();
}

// The window may be inside one of its own handlers, so it is destroyed from the loop; from
// now on it shows nothing of the form, which may go first.
void Win32Desktop::unload(Form &window)
{
    const auto found = m_windows.find(&window);
    if (found == m_windows.end())
        return;
    std::shared_ptr<Win32Window> unloaded(found->second.release());
    m_windows.erase(found);
    window.changed = nullptr;
    unloaded->hide();
    m_loop.post([unloaded] { static_cast<void>(unloaded); });
}

void Win32Desktop::end()
{
    for (auto &[form, window] : m_windows)
        window->hide();
    PostQuitMessage(0);
}

std::chrono::milliseconds Win32Desktop::doubleClickTime() const
{
    return std::chrono::milliseconds(GetDoubleClickTime());
}

std::chrono::steady_clock::time_point Win32Desktop::now() const
{
    return std::chrono::steady_clock::now();
}

Win32Window *Win32Desktop::windowOf(const Form &window) const
{
    const auto found = m_windows.find(&window);
    return found == m_windows.end() ? nullptr : found->second.get();
}
