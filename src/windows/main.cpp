// SPDX-License-Identifier: MIT
// A stand-in until the front end's windows arrive: the frame of "Where is Lapforge?" at its
// size for the window's DPI, centred on the screen, ended by closing it.
#include "DialogWindowClass.h"
#include "MessageLoop.h"
#include "ResourceIds.h"
#include "WindowPlacement.h"

#include <commctrl.h>

namespace {

constexpr wchar_t frameClassName[] = L"LapforgeToolLocation";
constexpr SIZE clientTwips {3210, 2355};

LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI: the system suggests the same window, rescaled.
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_COMMAND:
        // Closing the window and Escape both come as IDCANCEL.
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX),
                                         ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!registerDialogWindowClass(instance, frameClassName, frameProcedure,
                                   LoadIconW(instance, MAKEINTRESOURCEW(LAPFORGE_ICON))))
        return 1;

    // Made hidden where the system likes, so that its DPI is known before it is sized.
    const HWND frame = CreateWindowExW(0, frameClassName, L"Where is Lapforge?",
                                       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                       nullptr, nullptr, instance, nullptr);
    if (!frame)
        return 1;
    placeCentred(frame, clientTwips);
    ShowWindow(frame, show);
    return runMessageLoop();
}
