// SPDX-License-Identifier: MIT
#include "TestDpi.h"

#include "WindowDpi.h"

#include <cwchar>

std::optional<UINT> requestedTestDpi()
{
    wchar_t text[16] {};
    const DWORD length = GetEnvironmentVariableW(L"LAPFORGE_TEST_DPI", text, 16);
    if (length == 0 || length >= 16)
        return std::nullopt;
    wchar_t *end = nullptr;
    const unsigned long dpi = std::wcstoul(text, &end, 10);
    if (*end != L'\0' || dpi < 48 || dpi > 960)
        return std::nullopt;
    return static_cast<UINT>(dpi);
}

UINT testDpi()
{
    static const UINT dpi = requestedTestDpi().value_or(deviceContextDpi(nullptr));
    return dpi;
}
