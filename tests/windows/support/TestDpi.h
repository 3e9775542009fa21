// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <windows.h>

// The DPI the window tests run at, LAPFORGE_TEST_DPI: the build sets it for each Wine prefix.
// Nothing when it is not set; a window test run by hand on a Windows desktop then takes the
// screen's DPI (testDpi()).
std::optional<UINT> requestedTestDpi();

// The DPI every window of the test is expected to report.
UINT testDpi();
