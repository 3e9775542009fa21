// SPDX-License-Identifier: MIT
// The Windows front end on the real machine, with the system's message boxes: "Make It!"
// starts the stand-in generator from a tool folder, writing into an output folder, whose
// names hold blanks and letters beyond ASCII, so that a path that took a trip through the
// ANSI code page would fail; and a drive whose folder is missing is reported.
#include "Win32MessageBox.h"

#include "FolderPath.h"
#include "LocalFileSystem.h"
#include "Module1.h"
#include "Platform.h"
#include "PollingEventLoop.h"
#include "TestFiles.h"
#include "WarningWindow.h"
#include "WatchedGenerators.h"
#include "WideText.h"
#include "Win32Desktop.h"
#include "Win32Window.h"
#include "WindowGeometry.h"
#include "WindowInput.h"
#include "WindowParts.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"
#include "showControlState.h"

#include <doctest/doctest.h>

#include <filesystem>
#include <string>

namespace {

// A tool folder that holds the stand-in as lapforge.exe, and the output folder the main
// window starts in, as it starts in the working folder.
struct RealMainWindow
{
    RealMainWindow()
        : toolFolder(base.filePath("Lapforge tools \xc3\xa9t\xc3\xa9")),
          outputFolder(base.filePath(
              "pistes \xe2\x80\x93 \xd0\xb4\xd0\xbe\xd1\x80\xd0\xbe\xd0\xb3\xd0\xb0")),
          makeFolders((std::filesystem::create_directories(pathOf(toolFolder)),
                       std::filesystem::create_directories(pathOf(outputFolder)),
                       std::filesystem::copy_file(pathOf(STANDIN_PATH),
                                                  pathOf(toolFolder) / "lapforge.exe"))),
          working(outputFolder), main((Module1::setToolFolder(toolFolder),
                                       Platform {files, messages, desktop, generators}))
    {
        desktop.show(main.form());
        window = desktop.windowOf(main.form());
        REQUIRE(window);
    }

    HWND control(const char *name) const { return window->control(main.form().indexOf(name)); }
    void click(const char *name) const
    {
        const RECT rect = rectInClientOf(window->handle(), control(name));
        clickAt(window->handle(), {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }

    TemporaryFolder base;
    std::string toolFolder;
    std::string outputFolder;
    bool makeFolders;
    CurrentFolder working;
    PollingEventLoop loop;
    LocalFileSystem files;
    Win32Desktop desktop {GetModuleHandleW(nullptr), loop};
    Win32MessageBox messages {[this](const Form &form) {
        return desktop.windowOf(form)->handle();
    }};
    WatchedGenerators generators {loop};
    frmLapforge2 main;
    Win32Window *window = nullptr;
};

} // namespace

TEST_CASE("Make It! starts the generator, which writes its file in the chosen folder")
{
    RealMainWindow window;
    window.click("optLeft90");
    SetWindowTextW(window.control("txtTurn"), L"5");
    SetWindowTextW(window.control("txtOutFile"), L"curve \x00e9");
    window.click("cmdBuild");

    const std::string written = window.outputFolder + "\\curve \xc3\xa9";
    REQUIRE(window.loop.runUntil([&] { return window.generators.unreported() == 0; }));
    CHECK(std::filesystem::exists(pathOf(written)));
    CHECK_FALSE(window.messages.warningOpen(window.main.form()));
    const std::string line = toUtf8(windowText(window.control("txtOutput")));
    CHECK(line.find(window.toolFolder + "\\lapforge.exe") != std::string::npos);
    CHECK(line.find("-l -9 5") != std::string::npos);
    CHECK(line.find("-o " + written) != std::string::npos);
}

TEST_CASE("a generator that fails gives one warning, with what it wrote")
{
    RealMainWindow window;
    // The stand-in cannot write into a folder that is not there.
    SetWindowTextW(window.control("txtOutFile"), L"missing\\curve");
    window.click("cmdBuild");
    REQUIRE(window.loop.runUntil([&] { return window.generators.unreported() == 0; }));
    const std::vector<HWND> warnings = threadWindowsOf(WarningWindow::className);
    REQUIRE(warnings.size() == 1);
    CHECK(GetWindow(warnings[0], GW_OWNER) == window.window->handle());
    const Parts parts(warnings[0]);
    REQUIRE(parts.detail);
    CHECK(textOf(parts.detail).find(L"cannot write") != std::wstring::npos);
}

TEST_CASE("a drive whose folder is missing is reported, and the drive list goes back")
{
    // The build maps M: of the test's prefix to a folder that is not there.
    LocalFileSystem files;
    PollingEventLoop loop;
    Win32Desktop desktop {GetModuleHandleW(nullptr), loop};
    Win32MessageBox messages {[&desktop](const Form &form) {
        return desktop.windowOf(form)->handle();
    }};
    WatchedGenerators generators {loop};
    frmLapforge1 tool(Platform {files, messages, desktop, generators});
    desktop.show(tool.form());
    const Win32Window &window = *desktop.windowOf(tool.form());
    const HWND drives = window.control(tool.form().indexOf("drvList2"));

    const LRESULT before = SendMessageW(drives, CB_GETCURSEL, 0, 0);
    const LRESULT missing =
        SendMessageW(drives, CB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(L"m:"));
    REQUIRE(missing >= 0);
    const SeenBox seen = closeModalBox(window.handle(), [&] {
        // As the list of an open drop-down reports a choice.
        SendMessageW(drives, CB_SETCURSEL, WPARAM(missing), 0);
        SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(drives));
    });
    REQUIRE(seen.found);
    CHECK(seen.text == L"Access denied!. Please check drive M:\\");
    CHECK_FALSE(seen.title.empty());
    CHECK(seen.title != L"Where is Lapforge?");
    CHECK(seen.icon);
    CHECK(seen.ownerDisabled);
    CHECK(SendMessageW(drives, CB_GETCURSEL, 0, 0) == before);
}
