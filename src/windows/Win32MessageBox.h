// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <memory>

// Before the core's class: the system's headers would rename it (WindowsApi.h).
#include "WindowsApi.h"

#include "MessageBox.h"

class WarningWindow;

// The system's message boxes over the form's window, in plain text, so that a folder's name
// or a generator's words show as they are; each window has one warning at most.
class Win32MessageBox : public MessageBox
{
public:
    // `ownerOf` gives the window that shows a form; null when there is none.
    explicit Win32MessageBox(std::function<HWND(const Form &)> ownerOf);
    ~Win32MessageBox() override;
    Win32MessageBox(const Win32MessageBox &) = delete;
    Win32MessageBox &operator=(const Win32MessageBox &) = delete;

    void critical(const Form &window, const std::string &title, const std::string &text) override;
    void warning(const Form &window, const std::string &title, const std::string &text,
                 const std::string &detail) override;
    bool warningOpen(const Form &window) const override;

    // The window's warning while it is open, else null.
    HWND warningOf(const Form &window) const;

private:
    std::function<HWND(const Form &)> m_ownerOf;
    std::map<const Form *, std::unique_ptr<WarningWindow>> m_warnings;
};
