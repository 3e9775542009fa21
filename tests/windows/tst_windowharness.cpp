// SPDX-License-Identifier: MIT
// What the front end's window tests rely on, checked on a window of the same kind: controls
// created and placed in physical pixels at the prefix's DPI, hit-testing that finds the
// control under a point, clicks, and keys through IsDialogMessage. Each of these failing
// means Wine (or the prefix) cannot carry those tests.
#include "DialogWindowClass.h"
#include "MessageLoop.h"
#include "OwnedHandle.h"
#include "TestDpi.h"
#include "Twips.h"
#include "WindowDpi.h"
#include "WindowGeometry.h"
#include "WindowInput.h"

#include <doctest/doctest.h>

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

namespace {

enum ControlId : int {
    topLevel = 0,
    edit = 101,
    list,
    combo,
    group,
    left,
    right,
    check,
    disabled,
    make,
};

struct Control
{
    ControlId id;
    const wchar_t *className;
    DWORD style;
    DWORD extendedStyle;
    ControlId parent;
    RECT twips; // left, top, right, bottom in the parent's client area
};

// Group boxes hold their radio buttons as the front end's windows do. WS_EX_CONTROLPARENT
// lets Tab and the arrow keys into them.
constexpr std::array controls {
    Control {edit,
             L"EDIT",
             WS_TABSTOP | ES_AUTOHSCROLL,
             WS_EX_CLIENTEDGE,
             topLevel,
             {240, 240, 2640, 555}},
    Control {list,
             L"LISTBOX",
             WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
             WS_EX_CLIENTEDGE,
             topLevel,
             {240, 720, 2640, 1920}},
    Control {combo,
             L"COMBOBOX",
             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
             0,
             topLevel,
             {240, 2160, 2640, 3660}},
    Control {group, L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT, topLevel, {3000, 240, 5700, 1740}},
    Control {left,
             L"BUTTON",
             BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
             0,
             group,
             {240, 360, 2240, 660}},
    Control {right, L"BUTTON", BS_AUTORADIOBUTTON, 0, group, {240, 840, 2240, 1140}},
    Control {check, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, topLevel, {3000, 2000, 5000, 2300}},
    Control {disabled,
             L"BUTTON",
             BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED,
             0,
             topLevel,
             {3000, 2500, 4200, 2875}},
    Control {make, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, topLevel, {3000, 3100, 4200, 3475}},
};

constexpr SIZE clientTwips {6000, 4000};

RECT pixelRect(const RECT &twips, UINT dpi)
{
    return {pixelsFromTwips(twips.left, dpi), pixelsFromTwips(twips.top, dpi),
            pixelsFromTwips(twips.right, dpi), pixelsFromTwips(twips.bottom, dpi)};
}

struct Command
{
    HWND receiver;
    int id;
    int code;
};

// WM_COMMAND as the top-level window and the group box get it.
std::vector<Command> commands;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        commands.push_back({window, LOWORD(wParam), HIWORD(wParam)});
    return DefDlgProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK groupProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR)
{
    if (message == WM_COMMAND)
        commands.push_back({window, LOWORD(wParam), HIWORD(wParam)});
    return DefSubclassProc(window, message, wParam, lParam);
}

// The window with every control, shown and active, as a test finds the front end's.
class ControlsWindow
{
public:
    ControlsWindow()
    {
        static const ATOM windowClass = registerDialogWindowClass(
            GetModuleHandleW(nullptr), L"LapforgeHarnessWindow", windowProcedure);
        REQUIRE_MESSAGE(windowClass, "RegisterClassExW failed: " << GetLastError());
        m_window.reset(CreateWindowExW(0, L"LapforgeHarnessWindow", L"Harness",
                                       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        REQUIRE_MESSAGE(m_window,
                        "no top-level window: " << GetLastError()
                                                << "; is the display driver missing?");
        const UINT dpi = dpiOfWindow(m_window.get());
        RECT frame {0, 0, pixelsFromTwips(clientTwips.cx, dpi),
                    pixelsFromTwips(clientTwips.cy, dpi)};
        AdjustWindowRectEx(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE, 0);
        SetWindowPos(m_window.get(), nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
        for (const Control &control : controls) {
            const RECT at = pixelRect(control.twips, dpi);
            const HWND made = CreateWindowExW(
                control.extendedStyle, control.className, L"",
                WS_CHILD | WS_VISIBLE | control.style, at.left, at.top, at.right - at.left,
                at.bottom - at.top, handle(control.parent),
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), nullptr, nullptr);
            REQUIRE_MESSAGE(made, "no " << control.id << " control: " << GetLastError());
            m_controls.push_back(made);
        }
        SetWindowSubclass(handle(group), groupProcedure, 1, 0);
        SendMessageW(handle(left), BM_SETCHECK, BST_CHECKED, 0);
        ShowWindow(m_window.get(), SW_SHOW);
        SetForegroundWindow(m_window.get());
        dispatchWaitingMessages();
        REQUIRE_MESSAGE(GetActiveWindow() == m_window.get(),
                        "the window is not active, so IsDialogMessage would never see its keys");
        commands.clear();
    }
    ~ControlsWindow() { commands.clear(); }

    HWND window() const { return m_window.get(); }
    HWND handle(ControlId id) const
    {
        if (id == topLevel)
            return m_window.get();
        for (std::size_t i = 0; i < m_controls.size(); ++i)
            if (controls[i].id == id)
                return m_controls[i];
        return nullptr;
    }
    // The centre of a control, in the top-level window's client area.
    POINT centreOf(ControlId id) const
    {
        const RECT rect = rectInClientOf(window(), handle(id));
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    bool checked(ControlId id) const
    {
        return SendMessageW(handle(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The control of the focus; topLevel for the window itself or anything else.
    ControlId focus() const
    {
        const HWND focused = GetFocus();
        for (std::size_t i = 0; i < m_controls.size(); ++i)
            if (m_controls[i] == focused)
                return controls[i].id;
        return topLevel;
    }

private:
    OwnedWindow m_window;
    std::vector<HWND> m_controls;
};

std::vector<Command> clicksOf(ControlId id)
{
    std::vector<Command> clicks;
    for (const Command &command : commands)
        if (command.id == id && command.code == BN_CLICKED)
            clicks.push_back(command);
    return clicks;
}

} // namespace

TEST_CASE("the prefix reports its DPI to the window")
{
    ControlsWindow window;
    CHECK(dpiOfWindow(window.window()) == testDpi());
    CHECK(deviceContextDpi(window.window()) == testDpi());
    CHECK(clientSize(window.window()).cx == pixelsFromTwips(clientTwips.cx, testDpi()));
    CHECK(clientSize(window.window()).cy == pixelsFromTwips(clientTwips.cy, testDpi()));
}

TEST_CASE("each control is where its twips put it, in pixels at the DPI")
{
    ControlsWindow window;
    for (const Control &control : controls) {
        CAPTURE(control.id);
        const RECT expected = pixelRect(control.twips, testDpi());
        const RECT actual =
            rectInClientOf(window.handle(control.parent), window.handle(control.id));
        CHECK(actual.left == expected.left);
        CHECK(actual.top == expected.top);
        CHECK(actual.right == expected.right);
        // A drop-down list is as high as its closed field; the height given is its list's.
        if (control.id != combo)
            CHECK(actual.bottom == expected.bottom);
        else
            CHECK(actual.bottom < expected.bottom);
    }
}

TEST_CASE("a point finds the innermost enabled control under it")
{
    ControlsWindow window;
    const UINT dpi = testDpi();
    struct Row
    {
        POINT twips; // in the top-level window's client area
        ControlId found;
    };
    const Row rows[] {
        {{1000, 400}, edit},
        {{1000, 1500}, list},
        {{1000, 2300}, combo},
        {{3200, 1500}, group}, // inside the frame, beside the radio buttons
        {{3600, 750}, left}, // through the group box, to the radio button in it
        {{3600, 1250}, right},
        {{3500, 2150}, check},
        {{3500, 2700}, topLevel}, // disabled: the window under it gets the click
        {{3500, 3300}, make},
        {{5800, 3800}, topLevel},
    };
    for (const Row &row : rows) {
        CAPTURE(row.twips.x);
        CAPTURE(row.twips.y);
        const POINT at {pixelsFromTwips(row.twips.x, dpi), pixelsFromTwips(row.twips.y, dpi)};
        CHECK(windowAt(window.window(), at) == window.handle(row.found));
    }
}

TEST_CASE("a click reaches the control under it, and radio buttons tell their group box")
{
    struct Row
    {
        ControlId clicked;
        ControlId told; // the window that gets its BN_CLICKED
        ControlId nowChecked; // topLevel: none
        ControlId nowUnchecked; // topLevel: none
    };
    const Row rows[] {
        {right, group, right, left},
        {check, topLevel, check, topLevel},
        {make, topLevel, topLevel, topLevel},
    };
    for (const Row &row : rows) {
        CAPTURE(row.clicked);
        ControlsWindow window;
        CHECK(clickAt(window.window(), window.centreOf(row.clicked)) == window.handle(row.clicked));
        const std::vector<Command> clicks = clicksOf(row.clicked);
        REQUIRE(clicks.size() == 1);
        CHECK(clicks.front().receiver == window.handle(row.told));
        if (row.nowChecked != topLevel)
            CHECK(window.checked(row.nowChecked));
        if (row.nowUnchecked != topLevel)
            CHECK_FALSE(window.checked(row.nowUnchecked));
    }
}

TEST_CASE("a click on a disabled button presses nothing")
{
    ControlsWindow window;
    CHECK(clickAt(window.window(), window.centreOf(disabled)) == window.window());
    CHECK(commands.empty());
}

TEST_CASE("SendInput clicks where the cursor is, through the system's own hit-testing")
{
    ControlsWindow window;
    POINT at = window.centreOf(right);
    ClientToScreen(window.window(), &at);
    REQUIRE(SetCursorPos(at.x, at.y));
    std::array<INPUT, 2> input {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    REQUIRE(SendInput(2, input.data(), sizeof(INPUT)) == 2);
    CHECK(dispatchUntil([&] { return window.checked(right); }));
    CHECK_FALSE(window.checked(left));
}

TEST_CASE("Tab takes the focus through the tab stops, into the group at its checked radio")
{
    struct Row
    {
        ControlId checkedRadio;
        std::vector<ControlId> order; // from the edit field on
    };
    const Row rows[] {
        {left, {list, combo, left, check, make, edit}},
        {right, {list, combo, right, check, make, edit}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.checkedRadio);
        ControlsWindow window;
        SendMessageW(window.handle(row.checkedRadio), BM_CLICK, 0, 0);
        SetFocus(window.handle(edit));
        for (const ControlId next : row.order) {
            pressKey(VK_TAB);
            CHECK(window.focus() == next);
        }
    }
}

TEST_CASE("Enter presses the default button; Escape and closing come as IDCANCEL")
{
    struct Row
    {
        std::string what;
        ControlId focused;
        UINT key; // or WM_CLOSE when 0
        int command;
    };
    const Row rows[] {
        {"Enter in the edit field", edit, VK_RETURN, make},
        {"Enter on the check box", check, VK_RETURN, make},
        {"Escape", edit, VK_ESCAPE, IDCANCEL},
        {"closing", edit, 0, IDCANCEL},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        ControlsWindow window;
        SendMessageW(window.window(), DM_SETDEFID, make, 0);
        CHECK((GetWindowLongPtrW(window.handle(make), GWL_STYLE) & BS_TYPEMASK)
              == BS_DEFPUSHBUTTON);
        SetFocus(window.handle(row.focused));
        if (row.key) {
            pressKey(row.key);
        } else {
            // The dialog manager posts the IDCANCEL that it makes of it.
            SendMessageW(window.window(), WM_CLOSE, 0, 0);
            dispatchWaitingMessages();
        }
        const std::vector<Command> clicks = clicksOf(static_cast<ControlId>(row.command));
        REQUIRE(clicks.size() == 1);
        CHECK(clicks.front().receiver == window.window());
        CHECK(IsWindow(window.window()));
    }
}

// The themed buttons, edit fields and lists of version 6 are the common controls' own;
// without it the system's older ones would be made, which know none of its messages.
TEST_CASE("the manifest brings version 6 of the common controls")
{
    ControlsWindow window;
    SIZE ideal {};
    CHECK(SendMessageW(window.handle(make), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    CHECK(ideal.cx > 0);
}
