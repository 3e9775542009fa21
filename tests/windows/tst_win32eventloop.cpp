// SPDX-License-Identifier: MIT
// The Win32 event loop: generators' ends and posted tasks heard from the GUI thread's message
// loop, and waits that keep the windows painted while input waits.
#include "MessageLoop.h"
#include "OwnedHandle.h"
#include "TestFiles.h"
#include "WatchedGenerators.h"
#include "Win32EventLoop.h"
#include "WindowInput.h"

#include <doctest/doctest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Manual reset: once set it stays signalled, as an ended process's handle does.
class Event
{
public:
    explicit Event(bool set) : m_handle(CreateEventW(nullptr, TRUE, set, nullptr))
    {
        REQUIRE(m_handle);
    }
    ~Event() { CloseHandle(m_handle); }
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;

    HANDLE handle() const { return m_handle; }

private:
    HANDLE m_handle;
};

void dispatchFor(DWORD milliseconds)
{
    dispatchUntil([] { return false; }, milliseconds);
}

bool postedMessageWaiting()
{
    return (HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE) != 0;
}

// A visible window that counts what reaches it.
struct Counts
{
    int paints = 0;
    int clicks = 0;
    int keys = 0;
};

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *counts = reinterpret_cast<Counts *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        ++counts->paints;
        return 0;
    }
    case WM_LBUTTONDOWN:
        ++counts->clicks;
        return 0;
    case WM_KEYDOWN:
        ++counts->keys;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

OwnedWindow makeCountingWindow(Counts &counts)
{
    static const ATOM windowClass = [] {
        WNDCLASSEXW description {};
        description.cbSize = sizeof description;
        description.lpfnWndProc = countingProcedure;
        description.hInstance = GetModuleHandleW(nullptr);
        description.lpszClassName = L"LapforgeCountingWindow";
        return RegisterClassExW(&description);
    }();
    REQUIRE(windowClass);
    OwnedWindow window(CreateWindowExW(0, L"LapforgeCountingWindow", L"Counting",
                                       WS_OVERLAPPEDWINDOW, 40, 40, 300, 200, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
    REQUIRE(window);
    SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counts));
    ShowWindow(window.get(), SW_SHOW);
    return window;
}

} // namespace

TEST_CASE("each generator's end is heard once, from the message loop of the loop's thread")
{
    TemporaryFolder folder;
    Win32EventLoop loop;
    WatchedGenerators generators(loop);
    std::vector<GeneratorEnd> ends;
    std::vector<DWORD> threads;
    generators.listen([&](const GeneratorEnd &end) {
        ends.push_back(end);
        threads.push_back(GetCurrentThreadId());
    });
    // A refused line ends with status 2; the second start may find that end already.
    REQUIRE(generators.start(commandOf(STANDIN_PATH, {"-q"})));
    REQUIRE(generators.start(commandOf(STANDIN_PATH, {"-o", folder.filePath("out")})));
    CHECK(ends.empty());

    REQUIRE(dispatchUntil([&] { return generators.unreported() == 0; }, 60000));
    dispatchFor(300);

    REQUIRE(ends.size() == 2);
    CHECK(ends[0].failed() != ends[1].failed());
    for (const GeneratorEnd &end : ends)
        CHECK(end.program == STANDIN_PATH);
    CHECK(threads == std::vector<DWORD>(2, GetCurrentThreadId()));
}

TEST_CASE("a signalled handle is heard once a turn until it is no longer watched")
{
    // Stopping from inside the handle's own call, at its first call or a later one.
    for (const int stopAt : {1, 3}) {
        CAPTURE(stopAt);
        Win32EventLoop loop;
        Event event(true);
        int calls = 0;
        bool inside = false;
        bool nested = false;
        loop.watch(event.handle(), [&] {
            nested = nested || inside;
            inside = true;
            if (++calls == stopAt)
                loop.stopWatching(event.handle());
            // Handing out messages here must not call it again meanwhile.
            dispatchWaitingMessages();
            inside = false;
        });
        CHECK(calls == 0);
        REQUIRE(dispatchUntil([&] { return calls >= stopAt; }));
        dispatchFor(200);
        CHECK(calls == stopAt);
        CHECK_FALSE(nested);
    }
}

TEST_CASE("an end seen before stopWatching is not heard, not even by the handle's next watcher")
{
    Win32EventLoop loop;
    Event event(false);
    dispatchWaitingMessages();
    int first = 0;
    int second = 0;
    loop.watch(event.handle(), [&] { ++first; });
    SetEvent(event.handle());
    // The system's thread has posted the end by now, to be handed out at the next turn.
    REQUIRE(eventually(postedMessageWaiting));

    // As when the handle's value comes again, for a process that is still running.
    loop.stopWatching(event.handle());
    ResetEvent(event.handle());
    loop.watch(event.handle(), [&] { ++second; });
    dispatchFor(300);
    CHECK(first == 0);
    CHECK(second == 0);

    SetEvent(event.handle());
    REQUIRE(dispatchUntil([&] { return second > 0; }));
    CHECK(first == 0);
}

TEST_CASE("a loop destroyed with handles watched and tasks posted calls none of them")
{
    Event event(true);
    int calls = 0;
    {
        Win32EventLoop loop;
        loop.watch(event.handle(), [&] { ++calls; });
        loop.post([&] { ++calls; });
        REQUIRE(postedMessageWaiting());
    }
    dispatchFor(300);
    CHECK(calls == 0);
}

TEST_CASE("posted tasks run in order, each after the message that posted it")
{
    Win32EventLoop loop;
    std::vector<std::string> ran;
    loop.post([&] {
        ran.emplace_back("first");
        loop.post([&] { ran.emplace_back("posted by the first"); });
        ran.emplace_back("first done");
    });
    loop.post([&] { ran.emplace_back("second"); });
    CHECK(ran.empty());

    REQUIRE(dispatchUntil([&] { return ran.size() == 4; }));
    CHECK(ran == std::vector<std::string> {"first", "first done", "second", "posted by the first"});
}

TEST_CASE("a wait returns once answered or at its deadline")
{
    struct Row
    {
        const char *name;
        std::optional<std::chrono::milliseconds> answeredAfter; // none: never
        std::chrono::milliseconds deadline; // from the start; negative: already past
        std::chrono::milliseconds least;
    };
    const Row rows[] {
        {"answered before the deadline", 150ms, 20s, 150ms},
        {"answered at once", 0ms, 20s, 0ms},
        {"never answered", std::nullopt, 300ms, 300ms},
        {"a deadline already past", std::nullopt, -1s, 0ms},
    };
    Win32EventLoop loop;
    for (const Row &row : rows) {
        INFO(row.name);
        const Clock::time_point start = Clock::now();
        loop.wait([&] { return row.answeredAfter && Clock::now() - start >= *row.answeredAfter; },
                  start + row.deadline);
        const auto took = Clock::now() - start;
        CHECK(took >= row.least);
        // Far below any deadline of the rows answered, and generous for a busy machine.
        CHECK(took < row.least + 5s);
    }
}

TEST_CASE("while a wait lasts, windows paint and posted tasks run, but clicks and keys wait")
{
    Win32EventLoop loop;
    Counts counts;
    const OwnedWindow window = makeCountingWindow(counts);
    dispatchFor(100);
    counts = {};

    InvalidateRect(window.get(), nullptr, TRUE);
    PostMessageW(window.get(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(window.get(), WM_KEYDOWN, 'A', 1);
    bool taskRan = false;
    loop.post([&] { taskRan = true; });
    PostQuitMessage(7);

    loop.wait([] { return false; }, Clock::now() + 300ms);
    CHECK(counts.paints >= 1);
    CHECK(taskRan);
    CHECK(counts.clicks == 0);
    CHECK(counts.keys == 0);

    // The input, then the quit, which is left for the loop that ends on it.
    CHECK_FALSE(dispatchWaitingMessages());
    CHECK(counts.clicks == 1);
    CHECK(counts.keys == 1);
    MSG quit {};
    REQUIRE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK(quit.wParam == 7);
}
