// SPDX-License-Identifier: MIT
#pragma once

#include "ControlDesign.h"

#include "WindowsApi.h"

// The standard control that shows a designed control, and its styles.
struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD extendedStyle;
};

// Buttons never check themselves: the form decides, and its state is shown. The folder list
// draws its own rows, as many as the folder has, without holding a string for each.
ControlClass controlClassOf(const ControlDesign &design);

// A control's identifier in WM_COMMAND: clear of IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Escape.
constexpr int firstControlId = 100;
