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
    const HWND active = GetActiveWindow();
    if (active && message.message == WM_KEYDOWN
        && SendMessageW(active, takeKeyMessage, 0, reinterpret_cast<LPARAM>(&message)))
        return;
    if (active && IsDialogMessageW(active, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}
