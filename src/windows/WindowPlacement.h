// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

// The work area of the window's monitor: the screen less the taskbar and the like.
RECT workAreaOf(HWND window);

// The size of a window whose client area is clientTwips at the window's DPI.
SIZE windowSizeForClient(HWND window, SIZE clientTwips);

// Sizes the window for its client area and centres it on the work area of its monitor.
// A window larger than the work area keeps its title bar on it, at its top left corner.
void placeCentred(HWND window, SIZE clientTwips);
