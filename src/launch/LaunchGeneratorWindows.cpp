// SPDX-License-Identifier: MIT
#include "LaunchGenerator.h"
#include "WindowsCommandLine.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <climits>
#include <iterator>

namespace {

// Invalid UTF-8 is refused rather than replaced, so a mangled path is never started.
bool toWide(const std::string &text, std::wstring &wide)
{
    wide.clear();
    if (text.empty())
        return true;
    if (text.size() > std::size_t(INT_MAX)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    const int length = int(text.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (size == 0)
        return false;
    wide.resize(std::size_t(size));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                               size)
        == size;
}

std::string toUtf8(const std::wstring &wide)
{
    if (wide.empty())
        return {};
    const int length = int(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
    return text;
}

LaunchFailure::Kind kindOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_NAME:
        return LaunchFailure::Kind::NoSuchFile;
    case ERROR_ACCESS_DENIED:
        return LaunchFailure::Kind::NotPermitted;
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_BAD_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
    case ERROR_EXE_MARKED_INVALID:
    case ERROR_INVALID_EXE_SIGNATURE:
    case ERROR_INVALID_ORDINAL:
    case ERROR_DLL_NOT_FOUND:
        return LaunchFailure::Kind::NotRunnable;
    default:
        return LaunchFailure::Kind::Other;
    }
}

// The system's text ends in ".\r\n"; the reason is shown inside parentheses. Some texts
// hold "%1" for the file's name ("%1 is not a valid Win32 application").
std::string reasonOf(DWORD error, const std::string &program)
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
    std::string reason = toUtf8(std::wstring(buffer, length));
    const std::string fileName = program.substr(program.find_last_of("\\/") + 1);
    for (std::size_t at = reason.find("%1"); at != std::string::npos;
         at = reason.find("%1", at + fileName.size()))
        reason.replace(at, 2, fileName);
    return reason;
}

LaunchFailure failure(DWORD error, const std::string &program)
{
    return startFailure(kindOf(error), program, reasonOf(error, program));
}

} // namespace

std::optional<LaunchFailure> LaunchGenerator(const CommandLine &command)
{
    std::wstring program;
    std::wstring line;
    if (!toWide(command.program(), program)
        || !toWide(windowsCommandLine(command.program(), command.arguments()), line))
        return failure(GetLastError(), command.program());

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started {};
    // The application name is given, so the system never guesses where the program path
    // ends when it holds blanks; no handle is inherited.
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return failure(GetLastError(), command.program());
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return std::nullopt;
}
