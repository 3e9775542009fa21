// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

// The windows are laid out in twips, 1,440 to the inch, so that they keep their shape at
// every DPI; MulDiv rounds to the nearest pixel, as the system's own dialog units do.
inline int pixelsFromTwips(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}
