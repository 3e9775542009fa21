// SPDX-License-Identifier: MIT
#include "Utf8System.h"

#include <cstdlib>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>

namespace {

std::wstring toWide(const std::string &text)
{
    if (text.empty())
        return {};
    const int length = int(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string toUtf8(const wchar_t *wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string text(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();
    return text;
}

} // namespace

std::vector<std::string> programArguments(int, char **)
{
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i)
        arguments.push_back(toUtf8(words[i]));
    LocalFree(words);
    return arguments;
}

std::FILE *openFile(const std::string &path, const char *mode)
{
    return _wfopen(toWide(path).c_str(), toWide(mode).c_str());
}

void removeFile(const std::string &path)
{
    _wremove(toWide(path).c_str());
}

std::string environmentValue(const char *name)
{
    const wchar_t *value = _wgetenv(toWide(name).c_str());
    return value != nullptr ? toUtf8(value) : std::string();
}

#else

std::vector<std::string> programArguments(int argc, char **argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

std::FILE *openFile(const std::string &path, const char *mode)
{
    return std::fopen(path.c_str(), mode);
}

void removeFile(const std::string &path)
{
    std::remove(path.c_str());
}

std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? value : std::string();
}

#endif
