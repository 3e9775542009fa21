// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include "WideText.h"
#include "WindowsCommandLine.h"

#include "WindowsApi.h"

ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments)
{
    ProgramRun run;
    SECURITY_ATTRIBUTES inheritable {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION started {};
    const std::optional<std::wstring> wideProgram = toWide(program);
    std::optional<std::wstring> line = toWide(windowsCommandLine(program, arguments));
    const bool ran = wideProgram && line
        && CreateProcessW(wideProgram->c_str(), line->data(), nullptr, nullptr, TRUE, 0, nullptr,
                          nullptr, &startup, &started);
    CloseHandle(writeEnd);
    if (ran) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            run.errors.append(buffer, got);
        WaitForSingleObject(started.hProcess, INFINITE);
        DWORD exitCode = 0;
        run.finished = GetExitCodeProcess(started.hProcess, &exitCode);
        run.exitCode = int(exitCode);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    CloseHandle(readEnd);
    return run;
}

bool endSignalled(const GeneratorRun &run, int milliseconds)
{
    return WaitForSingleObject(run.endHandle(), DWORD(milliseconds)) == WAIT_OBJECT_0;
}
