// SPDX-License-Identifier: MIT
#include "MessageLoop.h"
#include "Win32Platform.h"
#include "frmLapforge1.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX),
                                         ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Platform local(instance);
    frmLapforge1 toolLocation(local.platform());
    local.desktop.show(toolLocation.form());
    return runMessageLoop();
}
