// SPDX-License-Identifier: MIT
#pragma once

#include "OwnedHandle.h"

#include "WindowsApi.h"

// The windows' font: the system's message font at 8 points, the size the layout was drawn
// for, at the window's DPI.
OwnedFont formFontAt(UINT dpi);

// The height of a line of text in that font, in pixels.
int lineHeightOf(HFONT font);
