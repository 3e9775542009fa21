// SPDX-License-Identifier: MIT
// makeit_latency STANDIN [RUNS]: the time from a click on "Make It!" to the generator's
// start (CreateProcessW has returned and the line is shown), and to its end as the message
// loop hears it, against starting the same command line with CreateProcessW alone and
// waiting for it, as medians of RUNS (30) interleaved rounds. Run under Wine by
// bench/windows-startup.sh; it prints figures.
#include "Win32MessageBox.h"

#include "LocalFileSystem.h"
#include "MessageLoop.h"
#include "Module1.h"
#include "Platform.h"
#include "WatchedGenerators.h"
#include "WideText.h"
#include "Win32Desktop.h"
#include "Win32EventLoop.h"
#include "Win32Window.h"
#include "frmLapforge2.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double now()
{
    LARGE_INTEGER frequency {};
    LARGE_INTEGER counter {};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The baseline: the stand-in started with the same kind of line, and waited for.
std::pair<double, double> startDirectly(const std::wstring &program, const std::wstring &output)
{
    std::wstring line = L"\"" + program + L"\" -o \"" + output + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    const double start = now();
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {0, 0};
    const double started = now();
    WaitForSingleObject(process.hProcess, INFINITE);
    const double ended = now();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {started - start, ended - start};
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        std::fputs("usage: makeit_latency STANDIN [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 30;
    const INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Presses a few milliseconds apart are no double click here.
    SetDoubleClickTime(1);

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / L"lapforge makeit \u00e9";
    std::filesystem::create_directories(folder);
    const std::filesystem::path standin = folder / L"lapforge.exe";
    std::filesystem::copy_file(argv[1], standin, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::current_path(folder);
    Module1::setToolFolder(toUtf8(folder.wstring()));

    Win32EventLoop loop;
    LocalFileSystem files(&loop);
    Win32Desktop desktop(GetModuleHandleW(nullptr), loop);
    Win32MessageBox messages(
        [&desktop](const Form &form) { return desktop.windowOf(form)->handle(); });
    WatchedGenerators generators(loop);
    frmLapforge2 main(Platform {files, messages, desktop, generators});
    desktop.show(main.form());
    const HWND window = desktop.windowOf(main.form())->handle();
    const std::size_t build = main.form().indexOf("cmdBuild");
    const HWND button = desktop.windowOf(main.form())->control(build);

    std::vector<double> started, ended, directStarted, directEnded;
    for (int round = -2; round < runs; ++round) {
        const double press = now();
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        const double shown = now();
        while (generators.unreported() != 0) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            dispatchWaitingMessages();
        }
        const double heard = now();
        const auto [direct, directEnd] =
            startDirectly(standin.wstring(), (folder / L"direct").wstring());
        if (round < 0)
            continue;
        started.push_back(shown - press);
        ended.push_back(heard - press);
        directStarted.push_back(direct);
        directEnded.push_back(directEnd);
    }
    generators.letGo();
    std::printf("Make It! to the generator's start, medians of %d: %.2f ms; CreateProcessW "
                "alone %.2f ms; ratio %.2f\n",
                runs, median(started), median(directStarted),
                median(started) / median(directStarted));
    std::printf("Make It! to its end heard in the loop: %.2f ms; CreateProcessW and a wait "
                "%.2f ms; ratio %.2f\n",
                median(ended), median(directEnded), median(ended) / median(directEnded));
    std::error_code ignored;
    std::filesystem::current_path(folder.parent_path(), ignored);
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
