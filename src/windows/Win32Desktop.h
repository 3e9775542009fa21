// SPDX-License-Identifier: MIT
#pragma once

#include "Desktop.h"

#include <map>
#include <memory>

#include "WindowsApi.h"

class EventLoop;
class Win32Window;

// The Windows desktop: each form shown in a window of its own, made when it is first shown.
class Win32Desktop : public Desktop
{
public:
    // Unloaded windows go once the loop has finished the event that unloaded them.
    Win32Desktop(HINSTANCE instance, EventLoop &loop);
    ~Win32Desktop() override;

    void show(Form &window) override;
    void hide(Form &window) override;
    void unload(Form &window) override;
    void end() override;

    std::chrono::milliseconds doubleClickTime() const override;
    std::chrono::steady_clock::time_point now() const override;

    // The form's window, while it is loaded; else nullptr.
    Win32Window *windowOf(const Form &window) const;

private:
    HINSTANCE m_instance;
    EventLoop &m_loop;
    std::map<const Form *, std::unique_ptr<Win32Window>> m_windows;
};
