// SPDX-License-Identifier: MIT
// The Win32 pieces that the front end's windows are built from.
#include "DialogWindowClass.h"
#include "MessageLoop.h"
#include "OwnedHandle.h"
#include "TestDpi.h"
#include "Twips.h"
#include "WindowGeometry.h"
#include "WindowPlacement.h"

#include <doctest/doctest.h>

#include <cstdlib>
#include <utility>

namespace {

constexpr DWORD frameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcW(window, message, wParam, lParam);
}

OwnedWindow makeFrame()
{
    static const ATOM windowClass = registerDialogWindowClass(
        GetModuleHandleW(nullptr), L"LapforgePiecesWindow", plainProcedure);
    REQUIRE(windowClass);
    OwnedWindow window(CreateWindowExW(0, L"LapforgePiecesWindow", L"Pieces", frameStyle,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    REQUIRE(window);
    return window;
}

} // namespace

TEST_CASE("twips become pixels at the DPI, rounded to the nearest")
{
    struct Row
    {
        int twips;
        UINT dpi;
        int pixels;
    };
    const Row rows[] {
        {1440, 96, 96},   {1440, 144, 144}, {3210, 96, 214}, {3210, 144, 321},   {2355, 96, 157},
        {2355, 144, 236}, // 235.5, half away from zero
        {7, 96, 0},       {8, 96, 1},       {0, 144, 0},     {-2355, 144, -236}, {30000, 192, 4000},
    };
    for (const Row &row : rows) {
        CAPTURE(row.twips);
        CAPTURE(row.dpi);
        CHECK(pixelsFromTwips(row.twips, row.dpi) == row.pixels);
    }
}

TEST_CASE("an owned window is destroyed once, by its last owner")
{
    OwnedWindow first = makeFrame();
    const HWND window = first.get();

    OwnedWindow second(std::move(first));
    CHECK_FALSE(first);
    CHECK(second.get() == window);

    OwnedWindow third;
    third = std::move(second);
    CHECK_FALSE(second);
    CHECK(IsWindow(window));

    third.reset();
    CHECK_FALSE(IsWindow(window));

    OwnedWindow kept = makeFrame();
    const HWND released = kept.release();
    kept.reset();
    CHECK(IsWindow(released));
    DestroyWindow(released);
}

TEST_CASE("an owned font is deleted when its owner goes, and not before")
{
    HFONT font = nullptr;
    {
        OwnedFont owned(CreateFontW(-pixelsFromTwips(180, testDpi()), 0, 0, 0, FW_NORMAL, FALSE,
                                    FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
        font = owned.get();
        REQUIRE(font);
        OwnedFont other;
        other = std::move(owned);
        CHECK(GetObjectType(font) == OBJ_FONT);
    }
    CHECK(GetObjectType(font) == 0);
}

TEST_CASE("a window is sized for its client area in twips and centred on its work area")
{
    struct Row
    {
        SIZE twips;
        bool fits;
    };
    const Row rows[] {
        {{3210, 2355}, true}, // the tool-location window
        {{6000, 900}, true},
        // Larger than any screen here: the system shrinks it to the screen, and its title
        // bar stays on the work area.
        {{80000, 80000}, false},
    };
    for (const Row &row : rows) {
        CAPTURE(row.twips.cx);
        OwnedWindow window = makeFrame();
        placeCentred(window.get(), row.twips);
        RECT frame {};
        GetWindowRect(window.get(), &frame);
        const RECT work = workAreaOf(window.get());
        if (!row.fits) {
            CHECK(frame.left == work.left);
            CHECK(frame.top == work.top);
            continue;
        }
        const SIZE client = clientSize(window.get());
        CHECK(client.cx == pixelsFromTwips(row.twips.cx, testDpi()));
        CHECK(client.cy == pixelsFromTwips(row.twips.cy, testDpi()));
        const SIZE size = windowSizeForClient(window.get(), row.twips);
        CHECK(frame.right - frame.left == size.cx);
        CHECK(frame.bottom - frame.top == size.cy);
        // Centred to the pixel: what is left over on either side differs by one at most.
        CHECK(std::abs((frame.left - work.left) - (work.right - frame.right)) <= 1);
        CHECK(std::abs((frame.top - work.top) - (work.bottom - frame.bottom)) <= 1);
    }
}

TEST_CASE("the message loop ends with the code that WM_QUIT carries")
{
    PostQuitMessage(7);
    CHECK(runMessageLoop() == 7);
}

TEST_CASE("handing out waiting messages leaves WM_QUIT for the loop")
{
    OwnedWindow window = makeFrame();
    PostMessageW(window.get(), WM_NULL, 0, 0);
    CHECK(dispatchWaitingMessages());
    PostQuitMessage(3);
    CHECK_FALSE(dispatchWaitingMessages());
    CHECK(runMessageLoop() == 3);
}
