// SPDX-License-Identifier: MIT
// Both windows as the Windows front end shows them, on a fake machine, driven as a person
// drives them: clicks through the windows' hit-testing, keys through the message loop.
#include "FakeFileSystem.h"
#include "FolderPath.h"
#include "FormDriver.h"
#include "Module1.h"
#include "Platform.h"
#include "PollingEventLoop.h"
#include "RecordingGeneratorStarter.h"
#include "RecordingMessageBox.h"
#include "TestDpi.h"
#include "Twips.h"
#include "Win32Desktop.h"
#include "Win32Window.h"
#include "WindowGeometry.h"
#include "WindowInput.h"
#include "frmLapforge1.h"
#include "frmLapforge2.h"
#include "showControlState.h"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The machine, the desktop and the recordings that both windows share.
struct Machine
{
    Machine() : files(homeTracksTree()) { }

    Platform platform() { return Platform {files, messages, desktop, generator}; }

    FakeFileSystem files;
    RecordingMessageBox messages;
    PollingEventLoop loop;
    Win32Desktop desktop {GetModuleHandleW(nullptr), loop};
    RecordingGeneratorStarter generator;
};

// A window of the machine's desktop, shown: its controls found by their design names.
struct Shown
{
    Shown(Win32Desktop &desktop, Form &form) : form(form), ui(form)
    {
        desktop.show(form);
        window = desktop.windowOf(form);
        REQUIRE(window);
    }

    HWND control(const std::string &name) const { return window->control(form.indexOf(name)); }
    RECT rectOf(const std::string &name) const
    {
        return rectInClientOf(window->handle(), control(name));
    }
    // The middle of a control, in the window's client area.
    POINT centreOf(const std::string &name) const
    {
        const RECT rect = rectOf(name);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    HWND click(const std::string &name) const { return clickAt(window->handle(), centreOf(name)); }
    std::string focused() const
    {
        for (std::size_t index = 0; index < form.count(); ++index) {
            const HWND focus = GetFocus();
            if (focus && (focus == window->control(index) || IsChild(window->control(index), focus))
                && takesFocus(form.designOf(index).kind))
                return form.designOf(index).name;
        }
        return "(none)";
    }
    bool checked(const std::string &name) const
    {
        return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::wstring text(const std::string &name) const { return windowText(control(name)); }

    Form &form;
    FormDriver ui;
    Win32Window *window = nullptr;
};

struct MainWindow : Machine
{
    MainWindow()
        : main((Module1::setToolFolder(nativeFolderPath("/tools")), platform())),
          shown(desktop, main.form())
    { }

    frmLapforge2 main;
    Shown shown;
};

struct ToolWindow : Machine
{
    ToolWindow() : tool(platform()), shown(desktop, tool.form()) { }

    frmLapforge1 tool;
    Shown shown;
};

// Where a person aims at a button's mark, and at the middle of its caption.
POINT markOf(const Shown &shown, const std::string &name)
{
    const RECT rect = shown.rectOf(name);
    return {rect.left + pixelsFromTwips(90, testDpi()), (rect.top + rect.bottom) / 2};
}

POINT captionOf(const Shown &shown, const std::string &name)
{
    const HWND button = shown.control(name);
    const std::wstring caption = windowText(button);
    const HDC dc = GetDC(button);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SIZE extent {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(button, dc);
    const RECT rect = shown.rectOf(name);
    const LONG middle = rect.left + pixelsFromTwips(300, testDpi()) + extent.cx / 2;
    return {std::min(middle, rect.right - 2), (rect.top + rect.bottom) / 2};
}

} // namespace

TEST_CASE("every option button and check box takes the click aimed at its mark and its caption")
{
    struct Row
    {
        const char *button;
        Names before; // what makes it clickable, and not chosen yet
        bool hasCaption = true;
    };
    const Row rows[] {
        {"optStr", {"optLeft90"}},
        {"optLeft90", {}},
        {"optRight90", {}},
        {"opt180l", {}},
        {"opt180r", {}},
        {"optSlideL", {}},
        {"optSlideR", {}},
        {"optLoop", {}, false},
        {"optLleft", {"optLoop"}, false},
        {"optLright", {"optLoop"}, false},
        {"optBank", {"optLeft90"}},
        {"optTwist", {"optLeft90"}},
        {"optDip", {"optLeft90"}},
        {"optNor", {"optDbl"}},
        {"optDbl", {}},
        {"optNar", {}},
        {"optSpr", {}},
        {"chkHump", {}},
        {"chkRise", {}},
        {"chkTex", {}},
        {"chkSurface", {}},
        {"chkFlat", {}},
    };
    for (const Row &row : rows) {
        for (const bool atCaption : {false, true}) {
            if (atCaption && !row.hasCaption)
                continue;
            CAPTURE(row.button);
            CAPTURE(atCaption);
            MainWindow window;
            const Shown &shown = window.shown;
            for (const std::string &step : row.before)
                shown.ui.click(step);
            const POINT aim = atCaption ? captionOf(shown, row.button) : markOf(shown, row.button);
            CHECK(clickAt(shown.window->handle(), aim) == shown.control(row.button));
            CHECK(shown.checked(row.button));
        }
    }
}

TEST_CASE("Tab follows the design's tab order, one stop for each option group")
{
    MainWindow window;
    const Shown &shown = window.shown;
    const Names expected {
        "txtTurn",  "chkHump", "chkRise",   "txtHump",    "txtRise", "txtOutFile", "cmdBuild",
        "cmdReset", "cmdExit", "txtOutput", "txtLen",     "Dir1",    "drvList1",   "chkFlat",
        "optNor",   "lstTex",  "chkTex",    "chkSurface", "cboSur",  "optStr",     "txtTurn",
    };
    Names visited {shown.focused()};
    while (visited.size() < expected.size()) {
        pressKey(VK_TAB);
        visited.push_back(shown.focused());
    }
    CHECK(visited == expected);
    // Tab into a group never chooses: "Normal" stays the one chosen of its four.
    CHECK(shown.ui.chosen() == Names {"optNor", "optStr"});

    // Once "90 Left" is chosen, its group's stop moves there, and the banking group, now
    // enabled, gets one, on its first button; Shift+Tab goes back the same way.
    shown.ui.click("optLeft90");
    const auto tabs = [&shown](int presses) {
        Names stops;
        for (int press = 0; press < presses; ++press) {
            pressKey(VK_TAB);
            stops.push_back(shown.focused());
        }
        return stops;
    };
    CHECK(tabs(3) == Names {"optBank", "txtBank", "chkHump"});
    BYTE keys[256] {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    CHECK(tabs(4) == Names {"txtBank", "optBank", "txtTurn", "optLeft90"});
    // Ctrl+Tab is Tab, as in a dialog box.
    keys[VK_SHIFT] = 0;
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    CHECK(tabs(1) == Names {"txtTurn"});
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    CHECK(shown.ui.value("optBank") == 0);
}

TEST_CASE("the arrow keys choose within an option group, and only there")
{
    MainWindow window;
    const Shown &shown = window.shown;
    shown.click("optNor");
    REQUIRE(shown.focused() == "optNor");
    pressKey(VK_DOWN);
    CHECK(shown.focused() == "optDbl");
    CHECK(shown.checked("optDbl"));
    pressKey(VK_UP);
    pressKey(VK_UP);
    // Round the group, in its tab order.
    CHECK(shown.focused() == "optSpr");
    CHECK(shown.ui.chosen() == Names {"optSpr", "optStr"});
}

TEST_CASE("every control lies where the design puts it, at the window's DPI")
{
    const auto check = [](const Shown &shown) {
        const UINT dpi = testDpi();
        REQUIRE(shown.window->dpi() == dpi);
        const FormDesign &design = shown.form.design();
        CHECK(clientSize(shown.window->handle()).cx == pixelsFromTwips(design.width, dpi));
        CHECK(clientSize(shown.window->handle()).cy == pixelsFromTwips(design.height, dpi));
        for (std::size_t index = 0; index < shown.form.count(); ++index) {
            const ControlDesign &control = shown.form.designOf(index);
            const std::string name = control.name;
            CAPTURE(name);
            const HWND container =
                control.container ? shown.control(control.container) : shown.window->handle();
            const RECT rect = rectInClientOf(container, shown.window->control(index));
            CHECK(rect.left == pixelsFromTwips(control.left, dpi));
            CHECK(rect.top == pixelsFromTwips(control.top, dpi));
            if (control.flags & ControlFlag::SizedToCaption)
                continue;
            CHECK(rect.right - rect.left == pixelsFromTwips(control.width, dpi));
            CHECK(rect.bottom - rect.top == pixelsFromTwips(control.height, dpi));
        }
    };
    MainWindow main;
    check(main.shown);
    ToolWindow tool;
    check(tool.shown);
}

TEST_CASE("moved to a monitor of another DPI, the window lays itself out again")
{
    MainWindow window;
    const Shown &shown = window.shown;
    const UINT dpi = testDpi() == 96 ? 144 : 96;
    RECT suggested {};
    GetWindowRect(shown.window->handle(), &suggested);
    SendMessageW(shown.window->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    CHECK(shown.window->dpi() == dpi);
    for (const char *name : {"cmdBuild", "Dir1", "txtBank", "drvList1"}) {
        CAPTURE(std::string(name));
        const ControlDesign &design = shown.form.designOf(shown.form.indexOf(name));
        const HWND container =
            design.container ? shown.control(design.container) : shown.window->handle();
        const RECT rect = rectInClientOf(container, shown.control(name));
        CHECK(rect.left == pixelsFromTwips(design.left, dpi));
        CHECK(rect.top == pixelsFromTwips(design.top, dpi));
        CHECK(rect.right - rect.left == pixelsFromTwips(design.width, dpi));
        CHECK(rect.bottom - rect.top == pixelsFromTwips(design.height, dpi));
    }
    LOGFONTW font {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(shown.control("cmdBuild"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    CHECK(font.lfHeight == -MulDiv(8, int(dpi), 72));
}

TEST_CASE("the reset and the interlocks, seen through the controls")
{
    struct Row
    {
        Names clicks;
        bool bankingEnabled;
        bool lengthEnabled;
        bool loopShown;
    };
    const Row rows[] {
        {{}, false, true, false},
        {{"optLeft90"}, true, false, false},
        {{"optLoop"}, false, true, true},
        {{"opt180r", "optLoop"}, true, false, true},
        {{"optLeft90", "optSlideL"}, false, true, false},
        {{"optLeft90", "optLoop", "cmdReset"}, false, true, false},
    };
    for (const Row &row : rows) {
        CAPTURE(row.clicks.size());
        MainWindow window;
        const Shown &shown = window.shown;
        for (const std::string &name : row.clicks)
            shown.click(name);
        for (const char *banking : {"optBank", "optTwist", "optDip", "txtBank"})
            CHECK((IsWindowEnabled(shown.control(banking)) != FALSE) == row.bankingEnabled);
        CHECK((IsWindowEnabled(shown.control("txtLen")) != FALSE) == row.lengthEnabled);
        CHECK((IsWindowVisible(shown.control("frmLoop")) != FALSE) == row.loopShown);
        CHECK((IsWindowVisible(shown.control("Image1")) != FALSE) == !row.loopShown);
    }

    MainWindow window;
    const Shown &shown = window.shown;
    shown.click("opt180l");
    shown.click("chkHump");
    for (const char *box : {"txtTurn", "txtOutFile"}) {
        shown.click(box);
        SendMessageW(shown.control(box), EM_SETSEL, 0, -1);
        typeText(L"17.5");
    }
    CHECK(shown.ui.text("txtTurn") == "17.5");
    CHECK(shown.ui.text("txtOutFile") == "17.5");
    shown.click("cmdReset");
    CHECK(shown.checked("optStr"));
    CHECK_FALSE(shown.checked("opt180l"));
    CHECK(SendMessageW(shown.control("chkHump"), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    CHECK(shown.text("txtTurn") == L"0");
    CHECK(shown.text("txtOutFile") == L"new_prm");
    CHECK(shown.ui.text("txtOutFile") == "new_prm");
    CHECK(shown.text("cboSur") == L"Default");
}

TEST_CASE("text typed into the surface box is no choice, and goes when editing ends")
{
    MainWindow window;
    const Shown &shown = window.shown;
    const HWND combo = shown.control("cboSur");
    COMBOBOXINFO parts {};
    parts.cbSize = sizeof parts;
    REQUIRE(GetComboBoxInfo(combo, &parts));
    shown.click("chkSurface");
    SetFocus(parts.hwndItem);
    SendMessageW(parts.hwndItem, EM_SETSEL, 0, -1);
    typeText(L"Gravel");
    CHECK(shown.ui.text("cboSur") == "Gravel");
    CHECK(shown.ui.value("cboSur") == 0);

    pressKey(VK_TAB);
    CHECK(shown.text("cboSur") == L"Default");
    CHECK(shown.ui.text("cboSur") == "Default");

    // A choice from the list is one, and its text follows it.
    SendMessageW(combo, CB_SETCURSEL, 15, 0);
    SendMessageW(shown.window->handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    CHECK(shown.ui.value("cboSur") == 15);
    CHECK(shown.ui.text("cboSur") == "Gravel");
}

TEST_CASE("Enter presses Ok in the tool window, the focused button in the main window")
{
    ToolWindow window;
    const Shown &tool = window.shown;
    REQUIRE(tool.focused() == "Dir2");
    pressKey(VK_ESCAPE);
    CHECK(IsWindowVisible(tool.window->handle()));
    pressKey(VK_RETURN);
    REQUIRE(window.tool.mainWindow());
    CHECK_FALSE(IsWindowVisible(tool.window->handle()));

    Shown main(window.desktop, window.tool.mainWindow()->form());
    main.click("txtOutFile");
    pressKey(VK_RETURN);
    CHECK(window.generator.started().empty());
    pressKey(VK_TAB);
    REQUIRE(main.focused() == "cmdBuild");
    pressKey(VK_RETURN);
    CHECK(window.generator.started().size() == 1);
}

TEST_CASE("the folder list opens by double click and by the keys, and shows its rows indented")
{
    ToolWindow window;
    const Shown &tool = window.shown;
    const HWND list = tool.control("Dir2");
    const FolderList &folders = tool.ui.folders("Dir2");
    REQUIRE(SendMessageW(list, LB_GETCOUNT, 0, 0) == LRESULT(folders.rowCount()));

    const auto rowOf = [&folders](const std::string &text) {
        for (std::size_t row = 0; row < folders.rowCount(); ++row) {
            if (folders.rowText(row) == text)
                return int(row);
        }
        FAIL("no row " << text);
        return -1;
    };
    RECT item {};
    SendMessageW(list, LB_GETITEMRECT, WPARAM(rowOf("oval")), reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(list, tool.window->handle(), reinterpret_cast<POINT *>(&item), 2);
    doubleClickAt(tool.window->handle(), {item.left + 40, (item.top + item.bottom) / 2});
    CHECK(folders.path() == homeTracks + "/oval");
    CHECK(SendMessageW(list, LB_GETCOUNT, 0, 0) == LRESULT(folders.rowCount()));

    pressKey(VK_LEFT);
    CHECK(folders.path() == homeTracks);
    SendMessageW(list, LB_SETCURSEL, WPARAM(rowOf("Desert")), 0);
    SendMessageW(tool.window->handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    pressKey(VK_RIGHT);
    CHECK(folders.path() == homeTracks + "/Desert");
}

TEST_CASE("an unreadable drive is reported and the drive list goes back to the folders' drive")
{
    ToolWindow window;
    const Shown &tool = window.shown;
    const HWND drives = tool.control("drvList2");
    const LRESULT before = SendMessageW(drives, CB_GETCURSEL, 0, 0);
    const DriveList &list = tool.ui.drives("drvList2");
    int cdrom = -1;
    for (std::size_t row = 0; row < list.drives().size(); ++row) {
        if (list.drives()[row].text == "/media/cdrom")
            cdrom = int(row);
    }
    REQUIRE(cdrom >= 0);
    // As the list box of an open drop-down reports a choice.
    SendMessageW(drives, CB_SETCURSEL, WPARAM(cdrom), 0);
    SendMessageW(tool.window->handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drives));
    REQUIRE(window.messages.shown().size() == 1);
    CHECK(window.messages.shown()[0].title == "No medium found");
    CHECK(SendMessageW(drives, CB_GETCURSEL, 0, 0) == before);
}
