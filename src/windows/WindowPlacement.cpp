// SPDX-License-Identifier: MIT
#include "WindowPlacement.h"

#include "SystemFunction.h"
#include "Twips.h"
#include "WindowDpi.h"

#include <algorithm>

RECT workAreaOf(HWND window)
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

SIZE windowSizeForClient(HWND window, SIZE clientTwips)
{
    const UINT dpi = dpiOfWindow(window);
    RECT frame {0, 0, pixelsFromTwips(clientTwips.cx, dpi), pixelsFromTwips(clientTwips.cy, dpi)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const BOOL hasMenu = GetMenu(window) != nullptr;
    // The frame's own widths depend on the DPI too; only newer systems can say by how much
    // at a DPI other than the system's.
    using AdjustForDpiFunction = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        systemFunction<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&frame, style, hasMenu, extendedStyle, dpi))
        AdjustWindowRectEx(&frame, style, hasMenu, extendedStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void placeCentred(HWND window, SIZE clientTwips)
{
    const SIZE size = windowSizeForClient(window, clientTwips);
    const RECT work = workAreaOf(window);
    const LONG left = work.left + std::max(0L, (work.right - work.left - size.cx) / 2);
    const LONG top = work.top + std::max(0L, (work.bottom - work.top - size.cy) / 2);
    SetWindowPos(window, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}
