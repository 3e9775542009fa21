// SPDX-License-Identifier: MIT
#include "ProgramFile.h"

#include "WideText.h"
#include "WindowsApi.h"

#include <optional>

namespace {

std::optional<DWORD> attributesOf(const std::string &path)
{
    const std::optional<std::wstring> wide = toWide(path);
    if (!wide)
        return std::nullopt;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

} // namespace

bool fileExists(const std::string &path)
{
    return attributesOf(path).has_value();
}

bool isFolder(const std::string &path)
{
    const std::optional<DWORD> attributes = attributesOf(path);
    return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string firstLineOf(const std::string &path)
{
    const std::optional<std::wstring> wide = toWide(path);
    if (!wide)
        return {};
    const HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string start(4096, '\0');
    DWORD read = 0;
    if (!ReadFile(file, start.data(), static_cast<DWORD>(start.size()), &read, nullptr))
        read = 0;
    CloseHandle(file);
    start.resize(read);
    return start.substr(0, start.find('\n'));
}
