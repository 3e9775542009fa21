// SPDX-License-Identifier: MIT
// The Win32 message boxes: a modal critical error, and a warning per window that leaves the
// window usable, stays within the work area and shows its text as it is.
// First, since it takes the name MessageBox back from the system's headers (see there).
#include "Win32MessageBox.h"

#include "DialogWindowClass.h"
#include "FakeFileSystem.h"
#include "Form.h"
#include "MessageLoop.h"
#include "OwnedHandle.h"
#include "WarningWindow.h"
#include "WindowInput.h"
#include "WindowParts.h"
#include "WindowPlacement.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr FormDesign design {"frmTest", "Test", 4000, 3000, {}, {}};

LRESULT CALLBACK ownerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcW(window, message, wParam, lParam);
}

OwnedWindow makeOwner()
{
    static const ATOM windowClass = registerDialogWindowClass(
        GetModuleHandleW(nullptr), L"LapforgeMessageOwner", ownerProcedure);
    REQUIRE(windowClass);
    OwnedWindow window(CreateWindowExW(0, L"LapforgeMessageOwner", L"Owner",
                                       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100, 500, 400,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    REQUIRE(window);
    ShowWindow(window.get(), SW_SHOW);
    return window;
}

// Forms over windows of their own, and the message boxes over those.
struct Desktop
{
    HWND ownerOf(const Form &form) const
    {
        return &form == &first ? firstOwner.get() : secondOwner.get();
    }

    OwnedWindow firstOwner = makeOwner();
    OwnedWindow secondOwner = makeOwner();
    FakeFileSystem files {{"C:\\"}, "C:\\"};
    Win32MessageBox messages {[this](const Form &form) {
        return ownerOf(form);
    }};
    Form first {design, files, messages};
    Form second {design, files, messages};
};

bool within(const RECT &inner, const RECT &outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom;
}

int lineHeightOf(HWND edit)
{
    const HDC context = GetDC(edit);
    const HGDIOBJ previous =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics {};
    GetTextMetricsW(context, &metrics);
    SelectObject(context, previous);
    ReleaseDC(edit, context);
    return metrics.tmHeight;
}

// The detail's lines from the first in view to the last that fits whole.
struct View
{
    LRESULT first;
    LRESULT shown;
    LRESULT lines;
};

View viewOf(HWND edit)
{
    RECT format {};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return {SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0),
            (format.bottom - format.top) / lineHeightOf(edit),
            SendMessageW(edit, EM_GETLINECOUNT, 0, 0)};
}

// Lines of ten bytes, the last one whole, as many as fit in `bytes`.
std::string tenByteLines(std::size_t bytes)
{
    std::string lines;
    for (int number = 0; lines.size() + 10 <= bytes; ++number) {
        const std::string digits = std::to_string(number);
        lines += "line " + std::string(4 - digits.size(), '0') + digits + "\n";
    }
    return lines;
}

} // namespace

TEST_CASE("a warning opens at once over its window, its text and detail shown as they are")
{
    struct Row
    {
        const char *name;
        std::string detail;
        std::wstring shown;
    };
    const Row rows[] {
        {"lines ending in \\n", "one\ntwo\n", L"one\r\ntwo\r\n"},
        {"lines ending in \\r\\n", "one\r\ntwo", L"one\r\ntwo"},
        {"a lone \\r", "one\rtwo", L"one\r\ntwo"},
        {"markup and ampersands", "<b>&amp;</b> & &&x", L"<b>&amp;</b> & &&x"},
        {"a NUL, which would end the text", std::string("before\0after", 12), L"before\uFFFDafter"},
        {"bytes that are not UTF-8", "bad \xff\xfe end", L"bad \uFFFD\uFFFD end"},
        {"UTF-8",
         "Stra\xc3\x9f"
         "e \xe2\x86\x92 ok",
         L"Stra\u00DFe \u2192 ok"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        Desktop desktop;
        desktop.messages.warning(desktop.first, "Lapforge & co", "Lapforge failed: &amp; <b>",
                                 row.detail);

        const HWND box = desktop.messages.warningOf(desktop.first);
        REQUIRE(box);
        CHECK(desktop.messages.warningOpen(desktop.first));
        CHECK_FALSE(desktop.messages.warningOpen(desktop.second));
        CHECK(IsWindowVisible(box));
        CHECK(IsWindowEnabled(desktop.firstOwner.get()));
        CHECK(GetWindow(box, GW_OWNER) == desktop.firstOwner.get());
        CHECK(textOf(box) == L"Lapforge & co");

        const Parts parts(box);
        REQUIRE(parts.icon);
        CHECK(reinterpret_cast<HICON>(SendMessageW(parts.icon, STM_GETICON, 0, 0))
              == LoadIconW(nullptr, IDI_WARNING));
        REQUIRE(parts.text);
        CHECK(textOf(parts.text) == L"Lapforge failed: &amp; <b>");
        CHECK((styleOf(parts.text) & SS_NOPREFIX) != 0);
        REQUIRE(parts.detail);
        CHECK(textOf(parts.detail) == row.shown);
        CHECK((styleOf(parts.detail) & (ES_READONLY | ES_MULTILINE | WS_VSCROLL))
              == (ES_READONLY | ES_MULTILINE | WS_VSCROLL));
        REQUIRE(parts.ok);
        CHECK(textOf(parts.ok) == L"OK");
        CHECK((styleOf(parts.ok) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    }
}

TEST_CASE("a warning without detail shows no detail area")
{
    Desktop desktop;
    desktop.messages.warning(desktop.first, "Lapforge", "Something failed.", "");
    const Parts parts(desktop.messages.warningOf(desktop.first));
    REQUIRE(parts.detail);
    CHECK_FALSE(IsWindowVisible(parts.detail));
    CHECK(IsWindowVisible(parts.ok));
}

TEST_CASE("a window has one warning at most: a new one takes the open one's place")
{
    Desktop desktop;
    desktop.messages.warning(desktop.first, "Lapforge", "The first failure.", "first\n");
    const HWND box = desktop.messages.warningOf(desktop.first);
    desktop.messages.warning(desktop.first, "Lapforge", "The second failure.", "second\n");

    CHECK(threadWindowsOf(WarningWindow::className) == std::vector<HWND> {box});
    CHECK(desktop.messages.warningOf(desktop.first) == box);
    const Parts parts(box);
    CHECK(textOf(parts.text) == L"The second failure.");
    CHECK(textOf(parts.detail) == L"second\r\n");

    // Another window's warning is its own.
    desktop.messages.warning(desktop.second, "Lapforge", "Elsewhere.", "");
    CHECK(threadWindowsOf(WarningWindow::className).size() == 2);
    CHECK(GetWindow(desktop.messages.warningOf(desktop.second), GW_OWNER)
          == desktop.secondOwner.get());
    CHECK(desktop.messages.warningOf(desktop.first) == box);
}

TEST_CASE("a warning stays within the work area and shows the end of its detail")
{
    struct Row
    {
        const char *name;
        std::string text;
    };
    std::string tallText;
    for (int line = 0; line < 300; ++line)
        tallText += "A line of the text, one of many.\n";
    const Row rows[] {
        {"a short text", "Lapforge failed."},
        {"a text taller than the screen", tallText},
        {"a line wider than the screen", std::string(3000, 'W')},
    };
    for (const auto &[row, replacing] : {std::pair {rows[0], false}, std::pair {rows[0], true},
                                         std::pair {rows[1], false}, std::pair {rows[2], true}}) {
        INFO(row.name);
        CAPTURE(replacing);
        Desktop desktop;
        if (replacing)
            desktop.messages.warning(desktop.first, "Lapforge", "Before.", "one line\n");
        desktop.messages.warning(desktop.first, "Lapforge", row.text, tenByteLines(4096));
        const HWND box = desktop.messages.warningOf(desktop.first);
        REQUIRE(box);

        RECT rect {};
        GetWindowRect(box, &rect);
        CHECK(within(rect, workAreaOf(desktop.firstOwner.get())));

        const Parts parts(box);
        REQUIRE(parts.detail);
        CHECK(IsWindowVisible(parts.detail));
        const View view = viewOf(parts.detail);
        CAPTURE(view.first);
        CAPTURE(view.shown);
        CAPTURE(view.lines);
        CHECK(view.shown >= 3);
        CHECK(view.lines >= 409);
        CHECK(view.first + view.shown >= view.lines);
        CHECK(view.first > 0);
    }
}

TEST_CASE("a warning is centred over its window")
{
    Desktop desktop;
    // In the middle of the work area, so that the warning, wider than its window, fits.
    const RECT work = workAreaOf(desktop.firstOwner.get());
    SetWindowPos(desktop.firstOwner.get(), nullptr, (work.left + work.right) / 2 - 250,
                 (work.top + work.bottom) / 2 - 200, 500, 400, SWP_NOZORDER);
    desktop.messages.warning(desktop.first, "Lapforge", "Lapforge failed.", "detail\n");
    RECT owner {};
    RECT box {};
    GetWindowRect(desktop.firstOwner.get(), &owner);
    GetWindowRect(desktop.messages.warningOf(desktop.first), &box);
    CHECK(std::abs((owner.left + owner.right) - (box.left + box.right)) <= 2);
    CHECK(std::abs((owner.top + owner.bottom) - (box.top + box.bottom)) <= 2);
}

TEST_CASE("Enter, Escape and OK close the warning")
{
    struct Row
    {
        const char *name;
        UINT key; // none: a click on OK
    };
    for (const Row &row : {Row {"Enter", VK_RETURN}, Row {"Escape", VK_ESCAPE}, Row {"OK", 0}}) {
        INFO(row.name);
        Desktop desktop;
        desktop.messages.warning(desktop.first, "Lapforge", "Lapforge failed.", "detail\n");
        const HWND box = desktop.messages.warningOf(desktop.first);
        REQUIRE(box);
        dispatchWaitingMessages();
        CHECK(GetActiveWindow() == box);

        if (row.key == 0) {
            RECT button = {};
            GetWindowRect(GetDlgItem(box, IDOK), &button);
            MapWindowPoints(HWND_DESKTOP, box, reinterpret_cast<POINT *>(&button), 2);
            clickAt(box, {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        } else {
            pressKey(row.key);
        }

        CHECK_FALSE(desktop.messages.warningOpen(desktop.first));
        CHECK_FALSE(IsWindow(box));
        CHECK(threadWindowsOf(WarningWindow::className).empty());
    }
}

TEST_CASE("a warning closes with its window, and the next one opens anew")
{
    Desktop desktop;
    desktop.messages.warning(desktop.first, "Lapforge", "Lapforge failed.", "");
    const HWND box = desktop.messages.warningOf(desktop.first);
    desktop.firstOwner = makeOwner();
    CHECK_FALSE(IsWindow(box));
    CHECK_FALSE(desktop.messages.warningOpen(desktop.first));

    desktop.messages.warning(desktop.first, "Lapforge", "Again.", "");
    CHECK(desktop.messages.warningOpen(desktop.first));
    CHECK(GetWindow(desktop.messages.warningOf(desktop.first), GW_OWNER)
          == desktop.firstOwner.get());
}

TEST_CASE("a critical error holds its window until it is closed, and shows its text as it is")
{
    Desktop desktop;
    const SeenBox seen = closeModalBox(desktop.firstOwner.get(), [&desktop] {
        desktop.messages.critical(desktop.first, "Lapforge",
                                  "Cannot start: &amp; <b>C:\\x & y</b>");
    });

    REQUIRE(seen.found);
    CHECK(seen.title == L"Lapforge");
    CHECK(seen.text == L"Cannot start: &amp; <b>C:\\x & y</b>");
    CHECK(seen.icon);
    CHECK(seen.ownerDisabled);
    CHECK(IsWindowEnabled(desktop.firstOwner.get()));
    CHECK(threadWindowsOf(L"#32770").empty());
}
