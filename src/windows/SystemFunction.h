// SPDX-License-Identifier: MIT
#pragma once

#include "WindowsApi.h"

// A function of a system library that older Windows versions and Wine may lack: looked up
// when called for, so that the program still starts without it. Null when it is missing.
template<typename Function>
Function systemFunction(const wchar_t *library, const char *name)
{
    const HMODULE module = GetModuleHandleW(library);
    if (!module)
        return nullptr;
    // By way of a function type without parameters, the one cast that the compiler allows
    // between unrelated function types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
