// SPDX-License-Identifier: MIT
// startup_launcher RUNS PROGRAM BASELINE [BASELINE...]: the time from CreateProcess to the
// first visible window of PROGRAM and of each baseline, started in turn RUNS times after two
// warm-ups of each; prints the medians, PROGRAM's ratio to each baseline and the programs'
// sizes. Each program is closed before the next starts, so that they never share the
// machine, and the order turns with each round, so that none always follows another.
#include "StartedProgram.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace {

// Milliseconds to the first window, or nothing if it did not come or the program did not end
// on being closed.
std::optional<double> timeToFirstWindow(const std::wstring &program)
{
    LARGE_INTEGER frequency {};
    LARGE_INTEGER start {};
    LARGE_INTEGER shown {};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    StartedProgram started(program);
    const HWND window = started.waitForWindow(30000);
    QueryPerformanceCounter(&shown);
    if (!window)
        return std::nullopt;
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!started.waitForEnd(10000))
        return std::nullopt;
    return 1000.0 * double(shown.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long long fileSize(const std::wstring &path)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes))
        return -1;
    return (static_cast<long long>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const int runs = argc > 1 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 0;
    if (argc < 4 || runs < 1) {
        std::fputs("usage: startup_launcher RUNS PROGRAM BASELINE [BASELINE...]\n", stderr);
        return 2;
    }
    const std::vector<std::wstring> programs(argv + 2, argv + argc);
    constexpr int warmUps = 2;

    std::vector<std::vector<double>> times(programs.size());
    for (int run = -warmUps; run < runs; ++run) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t which =
                (static_cast<std::size_t>(run + warmUps) + turn) % programs.size();
            const std::optional<double> time = timeToFirstWindow(programs[which]);
            if (!time) {
                std::fprintf(stderr, "%ls showed no window, or did not end when closed\n",
                             programs[which].c_str());
                return 1;
            }
            if (run >= 0)
                times[which].push_back(*time);
        }
    }

    const double program = median(times[0]);
    std::printf("first window, medians of %d: %.1f ms  %.1f KiB  %ls\n", runs, program,
                double(fileSize(programs[0])) / 1024, programs[0].c_str());
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const double baseline = median(times[i]);
        std::printf("  ratio %.3f to %.1f ms  %.1f KiB  %ls\n", program / baseline, baseline,
                    double(fileSize(programs[i])) / 1024, programs[i].c_str());
    }
    return 0;
}
