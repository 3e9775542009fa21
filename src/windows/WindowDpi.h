// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

// The DPI a window is drawn at: its monitor's, in a per-monitor aware program.
// GetDpiForWindow where the system has it, else the DPI of the window's device context.
UINT dpiOfWindow(HWND window);

// The DPI of the window's device context, which every Windows version reports.
UINT deviceContextDpi(HWND window);
