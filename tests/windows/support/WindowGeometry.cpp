// SPDX-License-Identifier: MIT
#include "WindowGeometry.h"

RECT rectInClientOf(HWND ancestor, HWND window)
{
    RECT rect {};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, ancestor, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

SIZE clientSize(HWND window)
{
    RECT client {};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}
