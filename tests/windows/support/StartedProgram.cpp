// SPDX-License-Identifier: MIT
#include "StartedProgram.h"

namespace {

struct WindowSearch
{
    DWORD process;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM searchAddress)
{
    auto &search = *reinterpret_cast<WindowSearch *>(searchAddress);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

StartedProgram::StartedProgram(const std::wstring &program)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &m_process)) {
        m_startError = GetLastError();
        m_process = {};
    }
}

StartedProgram::~StartedProgram()
{
    if (!started())
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND StartedProgram::waitForWindow(DWORD milliseconds) const
{
    if (!started())
        return nullptr;
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        WindowSearch search {m_process.dwProcessId, nullptr};
        EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount64() >= end || WaitForSingleObject(m_process.hProcess, 1) != WAIT_TIMEOUT)
            return nullptr;
    }
}

std::optional<DWORD> StartedProgram::waitForEnd(DWORD milliseconds) const
{
    DWORD code = 0;
    if (!started() || WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0
        || !GetExitCodeProcess(m_process.hProcess, &code))
        return std::nullopt;
    return code;
}
