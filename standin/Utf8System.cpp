// SPDX-License-Identifier: MIT
#include "Utf8System.h"

#include <cstdlib>

#ifdef _WIN32
#include "WindowsApi.h"

#include <shellapi.h>

#include "WideText.h"

namespace {

// The stand-in's own texts are valid UTF-8: its arguments came from the system as UTF-16.
std::wstring wide(const std::string &text)
{
    return toWide(text).value_or(std::wstring());
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
    return _wfopen(wide(path).c_str(), wide(mode).c_str());
}

void removeFile(const std::string &path)
{
    _wremove(wide(path).c_str());
}

std::string environmentValue(const char *name)
{
    const wchar_t *value = _wgetenv(wide(name).c_str());
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
