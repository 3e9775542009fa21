// SPDX-License-Identifier: MIT
// The window tests' main: the common controls ready, and a run under Wine refused unless the
// build said which DPI its prefix has, since every rectangle checked depends on it.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "SystemFunction.h"
#include "TestDpi.h"

#include <commctrl.h>

#include <cstdio>

int main(int argc, char **argv)
{
    const bool underWine =
        systemFunction<const char *(*)()>(L"ntdll.dll", "wine_get_version") != nullptr;
    if (underWine && !requestedTestDpi()) {
        std::fputs("LAPFORGE_TEST_DPI, the DPI of this Wine prefix, is not set or not a DPI\n",
                   stderr);
        return 2;
    }
    const INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX),
                                         ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        std::fputs("the common controls could not be set up\n", stderr);
        return 2;
    }
    doctest::Context context(argc, argv);
    return context.run();
}
