// SPDX-License-Identifier: MIT
#include "WindowDpi.h"

#include "SystemFunction.h"

namespace {

constexpr UINT defaultDpi = USER_DEFAULT_SCREEN_DPI;

} // namespace

UINT dpiOfWindow(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow =
        systemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    return deviceContextDpi(window);
}

UINT deviceContextDpi(HWND window)
{
    const HDC context = GetDC(window);
    if (!context)
        return defaultDpi;
    const int dpi = GetDeviceCaps(context, LOGPIXELSX);
    ReleaseDC(window, context);
    return dpi > 0 ? static_cast<UINT>(dpi) : defaultDpi;
}
