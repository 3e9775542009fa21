// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// A window's rectangle in the client coordinates of one of its ancestors, its top-level
// window say: what a layout in twips is checked against.
RECT rectInClientOf(HWND ancestor, HWND window);

SIZE clientSize(HWND window);
