// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

// The windows are dialogs in all but name: Tab, the arrow keys, Enter and Escape work as
// in a dialog box because every message goes first to IsDialogMessage for the top-level
// window it is for.

// Before that, a key pressed goes to that window as takeKeyMessage, with the MSG in
// lParam: a window that returns nonzero has taken the key, which then goes no further.
inline constexpr UINT takeKeyMessage = WM_APP + 1;

// Until WM_QUIT; returns its exit code, or 1 if the message queue failed.
int runMessageLoop();

// Every message already waiting, without blocking; false if WM_QUIT was among them (it is
// posted again, for the loop that ends on it).
bool dispatchWaitingMessages();

void dispatchMessage(MSG &message);
