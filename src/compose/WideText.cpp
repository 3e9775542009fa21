// SPDX-License-Identifier: MIT
#include "WideText.h"

#include "WindowsApi.h"

#include <climits>

std::optional<std::wstring> toWide(std::string_view text)
{
    if (text.empty())
        return std::wstring();
    if (text.size() > std::size_t(INT_MAX)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return std::nullopt;
    }
    const int length = int(text.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring wide(std::size_t(size), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), size)
        != size)
        return std::nullopt;
    return wide;
}

std::string toUtf8(std::wstring_view wide)
{
    if (wide.empty() || wide.size() > std::size_t(INT_MAX))
        return {};
    const int length = int(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}
