// SPDX-License-Identifier: MIT
#pragma once

// The Windows API without the min and max macros, which break the standard library's, and
// without the rarely used parts that only slow the build.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// The windows' core has a class of that name; the function is called by its wide name.
#undef MessageBox
