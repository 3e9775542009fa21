// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include <windows.h>

// A program started for a test or a measurement, and ended if it still runs when this goes,
// so that a failed check leaves no process behind in the Wine prefix.
class StartedProgram
{
public:
    explicit StartedProgram(const std::wstring &program);
    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;
    ~StartedProgram();

    bool started() const { return m_process.hProcess != nullptr; }
    // Why the start failed, as GetLastError told.
    DWORD startError() const { return m_startError; }

    // The first visible top-level window of the program, once it has one; null if none came
    // in time or the program ended first. Looks every millisecond or so.
    HWND waitForWindow(DWORD milliseconds) const;

    // Its exit code, once it has ended in time.
    std::optional<DWORD> waitForEnd(DWORD milliseconds) const;

private:
    PROCESS_INFORMATION m_process {};
    DWORD m_startError = 0;
};
