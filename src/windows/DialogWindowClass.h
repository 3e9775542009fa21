// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

// Registers a class of top-level windows that behave as dialog boxes: room for the dialog
// manager's data, so that a procedure that passes what it leaves to DefDlgProcW gets the
// default button (DM_SETDEFID, Enter), the focus kept across activation, and IDCANCEL for
// Escape and for closing. Zero if the class could not be registered.
ATOM registerDialogWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC procedure,
                               HICON icon = nullptr);
