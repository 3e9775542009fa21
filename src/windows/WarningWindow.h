// SPDX-License-Identifier: MIT
#pragma once

#include "OwnedHandle.h"

#include <string>

#include "WindowsApi.h"

// A warning that does not hold up its window: the text says what happened, and the detail
// below it, a generator's last output, scrolls inside a bounded area that shows its end, so
// that the warning never grows past its monitor's work area. Everything in it is plain text;
// OK, Enter and Escape close it.
class WarningWindow
{
public:
    static constexpr wchar_t className[] = L"LapforgeWarning";

    WarningWindow() = default;
    ~WarningWindow();
    WarningWindow(const WarningWindow &) = delete;
    WarningWindow &operator=(const WarningWindow &) = delete;

    // Shows `text` and `detail` in place of what the warning showed before, opening it over
    // `owner` when it is closed, and centres it over its owner.
    void present(HWND owner, const std::wstring &title, const std::wstring &text,
                 const std::wstring &detail);

    // Null once closed, by the user or with its owner.
    HWND window() const { return m_window; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void open(HWND owner);
    void makeFont();
    void layOut(const std::wstring &text, bool withDetail);
    void centreOverOwner();

    HWND m_window = nullptr;
    HWND m_icon = nullptr;
    HWND m_text = nullptr;
    HWND m_detail = nullptr;
    HWND m_ok = nullptr;
    OwnedFont m_font;
};
