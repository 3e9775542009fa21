// SPDX-License-Identifier: MIT
#include "SystemErrorText.h"

#include "WideText.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <iterator>

std::string systemErrorText(unsigned long error)
{
    wchar_t buffer[512];
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, buffer, DWORD(std::size(buffer)), nullptr);
    while (length > 0
           && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n'
               || buffer[length - 1] == L'.' || buffer[length - 1] == L' '))
        --length;
    if (length == 0)
        return "error " + std::to_string(error);
    return toUtf8(std::wstring_view(buffer, length));
}
