// SPDX-License-Identifier: MIT
#include "BoundedCalls.h"
#include "DisplayOrder.h"
#include "DriveOfPath.h"
#include "FolderPath.h"
#include "LocalFileSystem.h"
#include "TestFiles.h"

#include <doctest/doctest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

// A call that answers only when the test lets it.
struct Gate
{
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
};

// `path` written with "/", in the system's own form: on Windows "\" separates too.
std::string native(std::string path)
{
    return nativeFolderPath(path);
}

} // namespace

TEST_CASE("a folder path is cleaned by name, bytes kept")
{
    struct Row
    {
        std::string what;
        std::string path;
        std::string clean;
    };
    const Row rows[] = {
        {"root", "/", "/"},
        {"trailing separator", "/home/ann/", "/home/ann"},
        {"repeated separators", "//home///ann", "/home/ann"},
        {"dot", "/home/./ann/.", "/home/ann"},
        {"dot dot", "/home/ann/../bob", "/home/bob"},
        {"dot dot above the root", "/../..", "/"},
        {"names that only start with dots", "/a/..b/.c", "/a/..b/.c"},
        {"bytes that are not text", "/bad\xff\xfe/./x/", "/bad\xff\xfe/x"},
        {"drive letter alone", "c:", "c:/"},
        {"drive letter dot dot", "c:/tools/../..", "c:/"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CHECK(cleanFolderPath(row.path) == row.clean);
    }
#ifdef _WIN32
    CHECK(cleanFolderPath("c:\\a\\b") == "c:/a/b");
#else
    CHECK(cleanFolderPath("/a\\b") == "/a\\b");
#endif
}

TEST_CASE("a folder's parent and name")
{
    struct Row
    {
        std::string what;
        std::string folder;
        std::string parent;
        std::string name;
    };
    const Row rows[] = {
        {"root", "/", "/", "/"},
        {"below the root", "/home", "/", "home"},
        {"deeper", "/home/ann", "/home", "ann"},
        {"not text", "/m/\xe9t\xe9", "/m", "\xe9t\xe9"},
        {"drive root", "c:/", "c:/", "c:/"},
        {"below a drive root", "c:/tools", "c:/", "tools"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CHECK(parentFolder(row.folder) == row.parent);
        CHECK(folderName(row.folder) == row.name);
        if (row.parent != row.folder)
            CHECK(childFolder(row.parent, row.name) == row.folder);
    }
}

TEST_CASE("a shown path marks each byte that is not text; the generator gets the bytes")
{
    CHECK(shownPath("/bad\xff\xfename") == native("/bad\uFFFD\uFFFDname"));
    CHECK(shownPath("/caf\xc3\xa9") == native("/caf\xc3\xa9"));
    CHECK(shownPath("/half\xe6\x97") == native("/half\uFFFD\uFFFD"));
    CHECK(shownPath("/surrogate\xed\xa0\x80") == native("/surrogate\uFFFD\uFFFD\uFFFD"));
    CHECK(nativeFolderPath("/bad\xff\xfename") == native("/bad") + "\xff\xfename");
}

TEST_CASE("the drive of a path is the volume that holds it")
{
    const std::vector<std::string> mounts {"/", "/media/usb", "/media/usb/inner", "/mnt/share/"};
    struct Row
    {
        std::string what;
        std::vector<std::string> drives;
        std::string path;
        std::string drive;
    };
    const Row rows[] = {
        {"root holds an ordinary folder", mounts, "/home/ann", "/"},
        {"root itself", mounts, "/", "/"},
        {"mount folder itself", mounts, "/media/usb", "/media/usb"},
        {"folder below a mount", mounts, "/media/usb/maps", "/media/usb"},
        {"longest mount wins", mounts, "/media/usb/inner/x", "/media/usb/inner"},
        {"name prefix is not a folder boundary", mounts, "/media/usb2/maps", "/"},
        {"parent of a mount stays on root", mounts, "/media", "/"},
        {"trailing separator on the path", mounts, "/media/usb/", "/media/usb"},
        {"trailing separator on the drive", mounts, "/mnt/share/x", "/mnt/share/"},
        {"dot segments are resolved first", mounts, "/media/usb/../usb2", "/"},
        {"bytes that are not text", mounts, "/media/usb/bad\xff\xfe", "/media/usb"},
        {"mount folder that is not text",
         {"/", "/media/\xe9t\xe9"},
         "/media/\xe9t\xe9/x",
         "/media/\xe9t\xe9"},
        {"drive letter", {"a:", "c:"}, "c:/tools", "c:"},
        {"no drive holds it", {"/media/usb"}, "/home", ""},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        CHECK(driveOfPath(row.drives, row.path) == row.drive);
    }
#ifdef _WIN32
    CHECK(driveOfPath({"A:", "C:"}, "c:/tools") == "C:");
#endif
}

TEST_CASE("folder names sort as a person reads them")
{
    struct Row
    {
        std::string what;
        std::vector<std::string> names;
        std::vector<std::string> sorted;
    };
    const Row rows[] = {
        {"case is no matter",
         {"beta", "Alpha", "gamma", "Delta"},
         {"Alpha", "beta", "Delta", "gamma"}},
        {"same letters: by bytes", {"a", "A", "b"}, {"A", "a", "b"}},
        {"accented capitals with their small letters",
         {"\xc3\xa9t\xc3\xa9", "\xc3\x89t\xc3\xa9", "f", "e"},
         {"e", "f", "\xc3\x89t\xc3\xa9", "\xc3\xa9t\xc3\xa9"}},
        {"Cyrillic", {"\xd0\xb1", "\xd0\x90", "\xd0\xb0"}, {"\xd0\x90", "\xd0\xb0", "\xd0\xb1"}},
        {"bytes that are not text after the text",
         {"\xff", "z", "\xc3\xa0"},
         {"z", "\xc3\xa0", "\xff"}},
        {"digits before letters", {"b2", "10", "a"}, {"10", "a", "b2"}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        std::vector<std::string> names = row.names;
        sortForDisplay(names);
        CHECK(names == row.sorted);
    }
}

TEST_CASE("a local listing offers only the folders a person would open")
{
    TemporaryFolder temp;
    for (const char *folder : {"beta", "Alpha", "gamma"})
        REQUIRE(std::filesystem::create_directory(pathOf(temp.filePath(folder))));
    REQUIRE(writeFile(temp.filePath("notes.txt"), "notes"));

    const auto subfolders = LocalFileSystem().listFolder(temp.path());

    REQUIRE(subfolders);
    CHECK(*subfolders == std::vector<std::string> {"Alpha", "beta", "gamma"});
}

TEST_CASE("a local listing of what is no folder gives the system's reason")
{
    TemporaryFolder temp;
    REQUIRE(writeFile(temp.filePath("notes.txt"), "notes"));
    for (const char *name : {"missing", "notes.txt"}) {
        CAPTURE(name);
        const auto subfolders = LocalFileSystem().listFolder(temp.filePath(name));
        REQUIRE_FALSE(subfolders);
        CHECK(subfolders.failure().find_first_not_of(" \t\r\n") != std::string::npos);
    }
}

TEST_CASE("the local drives hold the starting folder")
{
    const LocalFileSystem files;
    const std::vector<Drive> drives = files.drives();
    REQUIRE_FALSE(drives.empty());
    CHECK_FALSE(driveOfPath(driveTexts(drives), files.currentFolder()).empty());
    for (const Drive &drive : drives)
        CHECK_FALSE(drive.shown.empty());
}

TEST_CASE("a bounded call answers in time, again and again")
{
    const BoundedCalls calls(10s);
    CHECK(calls.run<int>("a", [] { return 42; }) == std::optional<int>(42));
    CHECK(calls.run<int>("a", [] { return 43; }) == std::optional<int>(43));
}

TEST_CASE("a bounded call gives up and drops the late answer")
{
    auto gate = std::make_shared<Gate>();
    auto lateAnswers = std::make_shared<std::atomic<int>>(0);
    std::optional<int> result;
    {
        const BoundedCalls calls(200ms);
        result = calls.run<int>("stuck", [gate, lateAnswers] {
            gate->opened.wait();
            ++*lateAnswers;
            return 1;
        });
    }
    CHECK_FALSE(result);
    // The abandoned call outlives its caller; when it ends, nothing it returns arrives.
    gate->open.set_value();
    CHECK(eventually([&] { return lateAnswers->load() == 1; }));
    CHECK_FALSE(result);
}

TEST_CASE("a stuck key fails at once until its call ends")
{
    auto gate = std::make_shared<Gate>();
    auto calls = std::make_unique<BoundedCalls>(200ms);
    auto starts = std::make_shared<std::atomic<int>>(0);
    const auto blocked = [gate, starts] {
        ++*starts;
        gate->opened.wait();
        return 1;
    };
    CHECK_FALSE(calls->run<int>("/dead", blocked));
    CHECK_FALSE(calls->run<int>("/dead", blocked));
    CHECK(starts->load() == 1);
    CHECK(calls->run<int>("/alive", [] { return 2; }) == std::optional<int>(2));

    gate->open.set_value();
    CHECK(eventually([&] { return calls->run<int>("/dead", [] { return 3; }) == 3; }));
}

TEST_CASE("a waiter keeps the caller busy while a call is slow to answer")
{
    struct CountingWaiter : Waiter
    {
        void wait(const std::function<bool()> &answered,
                  std::chrono::steady_clock::time_point deadline) override
        {
            ++waits;
            while (!answered() && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(1ms);
        }
        int waits = 0;
    };
    CountingWaiter waiter;
    const BoundedCalls calls(10s, &waiter);
    CHECK(calls.run<int>("quick", [] { return 1; }) == 1);
    CHECK(waiter.waits == 0);
    CHECK(calls.run<int>("slow", [] {
        std::this_thread::sleep_for(200ms);
        return 2;
    }) == 2);
    CHECK(waiter.waits == 1);
}
