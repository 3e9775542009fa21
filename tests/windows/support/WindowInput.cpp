// SPDX-License-Identifier: MIT
#include "WindowInput.h"

#include "MessageLoop.h"

HWND windowAt(HWND window, POINT clientPoint)
{
    constexpr UINT skipped = CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT;
    for (;;) {
        const HWND child = ChildWindowFromPointEx(window, clientPoint, skipped);
        if (!child || child == window)
            return window;
        MapWindowPoints(window, child, &clientPoint, 1);
        window = child;
    }
}

HWND clickAt(HWND window, POINT clientPoint)
{
    const HWND target = windowAt(window, clientPoint);
    POINT point = clientPoint;
    MapWindowPoints(window, target, &point, 1);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(target, WM_LBUTTONUP, 0, at);
    dispatchWaitingMessages();
    return target;
}

HWND doubleClickAt(HWND window, POINT clientPoint)
{
    const HWND target = windowAt(window, clientPoint);
    POINT point = clientPoint;
    MapWindowPoints(window, target, &point, 1);
    const LPARAM at = MAKELPARAM(point.x, point.y);
    for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        PostMessageW(target, press, MK_LBUTTON, at);
        PostMessageW(target, WM_LBUTTONUP, 0, at);
    }
    dispatchWaitingMessages();
    return target;
}

void pressKey(UINT virtualKey)
{
    const HWND focus = GetFocus();
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    // A repeat count of one; the release also has its previous state and transition bits.
    PostMessageW(focus, WM_KEYDOWN, virtualKey, scanCode | 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, scanCode | 1 | (LPARAM(3) << 30));
    dispatchWaitingMessages();
}

bool dispatchUntil(const std::function<bool()> &done, DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        dispatchWaitingMessages();
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

void typeText(const std::wstring &text)
{
    const HWND focus = GetFocus();
    for (const wchar_t character : text)
        PostMessageW(focus, WM_CHAR, character, 1);
    dispatchWaitingMessages();
}
