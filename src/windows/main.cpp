// SPDX-License-Identifier: MIT
#include "MessageLoop.h"
#include "WideText.h"
#include "Win32Platform.h"
#include "frmLapforge1.h"

#include <commctrl.h>

#include <exception>
#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX),
                                         ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    try {
        Win32Platform local(instance);
        frmLapforge1 toolLocation(local.platform());
        local.desktop.show(toolLocation.form());
        return runMessageLoop();
    } catch (const std::exception &failure) {
        // Out of windows or handles: said plainly rather than ended without a word.
        const std::wstring text = toWide(failure.what()).value_or(L"The program cannot start.");
        MessageBoxW(nullptr, text.c_str(), L"Lapforge", MB_OK | MB_ICONERROR);
        return 1;
    }
}
