// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "WindowsApi.h"

class DriveList;
struct ControlDesign;
struct ControlState;

// Shows a control's state in its standard control: text, value, entries, enabled and
// visible. Only what differs is set, so that an edit keeps its caret and a list its scroll.
// The drive list and the folder list show their own models instead of entries.
void showControlState(HWND control, const ControlDesign &design, const ControlState &state);

void showDriveList(HWND combo, const DriveList &drives);

std::wstring windowText(HWND window);
