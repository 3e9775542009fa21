// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include <windows.h>

// Input for the window tests, delivered as the user's would be: to the window that the
// system's hit-testing finds, and through the front end's message loop, so that
// IsDialogMessage sees every key.

// The innermost child under a point of window's client area, one level of children at a
// time as ChildWindowFromPointEx finds them, passing over hidden, disabled and transparent
// ones; the window itself where there is none.
HWND windowAt(HWND window, POINT clientPoint);

// A left click at a point of window's client area, on the window that windowAt finds,
// handed out through the message loop. Returns the window clicked.
HWND clickAt(HWND window, POINT clientPoint);

// A key pressed and released on the focused window, handed out through the message loop.
void pressKey(UINT virtualKey);

// Hands out messages until done() or the time is up; whether done() came true.
bool dispatchUntil(const std::function<bool()> &done, DWORD milliseconds = 5000);

// A double click at a point of window's client area, as the system reports one: down, up,
// the second press as a double click, up.
HWND doubleClickAt(HWND window, POINT clientPoint);

// Characters typed into the focused window, handed out through the message loop.
void typeText(const std::wstring &text);
