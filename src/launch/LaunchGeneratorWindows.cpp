// SPDX-License-Identifier: MIT
#include "LaunchGenerator.h"
#include "SystemErrorText.h"
#include "WideText.h"
#include "WindowsCommandLine.h"

#include "WindowsApi.h"

#include <iterator>
#include <vector>

namespace {

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

// Some of the system's texts hold "%1" for the file's name ("%1 is not a valid Win32
// application").
std::string reasonOf(DWORD error, const std::string &program)
{
    std::string reason = systemErrorText(error);
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

// Closes the handles it holds when the start returns, whichever way.
class Handles
{
public:
    Handles() = default;
    Handles(const Handles &) = delete;
    Handles &operator=(const Handles &) = delete;
    ~Handles()
    {
        for (HANDLE handle : m_held)
            CloseHandle(handle);
    }
    HANDLE hold(HANDLE handle)
    {
        if (handle && handle != INVALID_HANDLE_VALUE)
            m_held.push_back(handle);
        return handle;
    }
    HANDLE release(HANDLE handle)
    {
        std::erase(m_held, handle);
        return handle;
    }

private:
    std::vector<HANDLE> m_held;
};

// A file on disk, not a pipe: writing to it never blocks, whether or not the front end still
// runs, and it goes away with the last handle to it.
HANDLE openErrorOutput()
{
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH + 1];
    const DWORD length = GetTempPathW(DWORD(std::size(folder)), folder);
    if (length == 0 || length > MAX_PATH || GetTempFileNameW(folder, L"lfg", 0, path) == 0)
        return INVALID_HANDLE_VALUE;
    return CreateFileW(
        path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// Only these copies are inherited, never another handle the front end made inheritable.
HANDLE inheritableCopy(HANDLE handle, Handles &handles)
{
    HANDLE copy = nullptr;
    if (!handle || handle == INVALID_HANDLE_VALUE
        || !DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, TRUE,
                            DUPLICATE_SAME_ACCESS))
        return nullptr;
    return handles.hold(copy);
}

} // namespace

Result<GeneratorRun, LaunchFailure> LaunchGenerator(const CommandLine &command)
{
    const std::optional<std::wstring> program = toWide(command.program());
    std::optional<std::wstring> line =
        toWide(windowsCommandLine(command.program(), command.arguments()));
    if (!program || !line)
        return Failure {failure(GetLastError(), command.program())};

    Handles handles;
    const HANDLE errorOutput = handles.hold(openErrorOutput());
    if (errorOutput == INVALID_HANDLE_VALUE)
        return Failure {failure(GetLastError(), command.program())};
    HANDLE inherited[] = {inheritableCopy(GetStdHandle(STD_INPUT_HANDLE), handles),
                          inheritableCopy(GetStdHandle(STD_OUTPUT_HANDLE), handles),
                          inheritableCopy(errorOutput, handles)};
    if (!inherited[2])
        return Failure {failure(GetLastError(), command.program())};
    std::vector<HANDLE> list;
    for (HANDLE handle : inherited) {
        if (handle)
            list.push_back(handle);
    }

    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    auto *attributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    if (!InitializeProcThreadAttributeList(attributeList, 1, 0, &size))
        return Failure {failure(GetLastError(), command.program())};
    const bool listed =
        UpdateProcThreadAttribute(attributeList, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, list.data(),
                                  list.size() * sizeof(HANDLE), nullptr, nullptr);

    STARTUPINFOEXW startup {};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.StartupInfo.wShowWindow = SW_SHOWNORMAL;
    startup.StartupInfo.hStdInput = inherited[0];
    startup.StartupInfo.hStdOutput = inherited[1];
    startup.StartupInfo.hStdError = inherited[2];
    startup.lpAttributeList = attributeList;
    PROCESS_INFORMATION started {};
    // A console of its own stands in for the session of its own elsewhere: closing the front
    // end's console does not end the generator.
    const bool ran = listed
        && CreateProcessW(program->c_str(), line->data(), nullptr, nullptr, TRUE,
                          EXTENDED_STARTUPINFO_PRESENT | CREATE_NEW_PROCESS_GROUP
                              | CREATE_NEW_CONSOLE,
                          nullptr, nullptr, &startup.StartupInfo, &started);
    const DWORD error = GetLastError();
    DeleteProcThreadAttributeList(attributeList);
    if (!ran)
        return Failure {failure(error, command.program())};
    CloseHandle(started.hThread);
    return GeneratorRun(command.program(), started.dwProcessId, started.hProcess,
                        handles.release(errorOutput));
}
