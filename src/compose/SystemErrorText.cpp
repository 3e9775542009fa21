// SPDX-License-Identifier: MIT
#include "SystemErrorText.h"

#include "WideText.h"

#include "WindowsApi.h"

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
