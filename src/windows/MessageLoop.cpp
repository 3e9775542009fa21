// SPDX-License-Identifier: MIT
#include "MessageLoop.h"

int runMessageLoop()
{
    MSG message;
    for (;;) {
        // -1 is an error, not a message: looping on it would never end.
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 1;
        dispatchMessage(message);
    }
}

bool dispatchWaitingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatchMessage(message);
    }
    return true;
}

void dispatchMessage(MSG &message)
{
    // The window the message is for, rather than the active one: the keys belong to the
    // window that holds the focus even while another program's window has come to the front.
    const HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && message.message == WM_KEYDOWN
        && SendMessageW(window, takeKeyMessage, 0, reinterpret_cast<LPARAM>(&message)))
        return;
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}
