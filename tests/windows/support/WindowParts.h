// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "WindowsApi.h"

// The windows of the test's own thread and their parts, as a person sees them: for the
// message boxes, which a test can only find among the windows.

std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
LONG_PTR styleOf(HWND window);
// The visible top-level windows of the thread, of that class ("#32770": a message box).
std::vector<HWND> threadWindowsOf(const std::wstring &windowClass);
std::vector<HWND> childrenOf(HWND parent);

// The children of a warning or a message box, by what they are.
struct Parts
{
    explicit Parts(HWND box);

    HWND icon = nullptr;
    HWND text = nullptr;
    HWND detail = nullptr;
    HWND ok = nullptr;
};

// What was found of a modal message box, from inside its own loop.
struct SeenBox
{
    bool found = false;
    std::wstring title;
    std::wstring text;
    bool icon = false;
    bool ownerDisabled = false;
};

// Runs `action`, which opens a modal message box over `owner` and returns once it closes:
// the box is looked at from a timer that ticks inside the box's loop, then closed with OK.
SeenBox closeModalBox(HWND owner, const std::function<void()> &action);
