// SPDX-License-Identifier: MIT
// lapforge-gui.exe itself: started as a user starts it, its first window, its end, and what
// it carries for the system (manifest, version, icon).
#include "ResourceIds.h"
#include "StartedProgram.h"
#include "TestDpi.h"
#include "Twips.h"
#include "WindowGeometry.h"
#include "WindowPlacement.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The program's resources, read without running it.
class ProgramResources
{
public:
    ProgramResources()
        : m_module(LoadLibraryExW(FRONTEND_PATH, nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
        REQUIRE_MESSAGE(m_module,
                        "cannot read " << toNarrow(FRONTEND_PATH) << ": " << GetLastError());
    }
    ProgramResources(const ProgramResources &) = delete;
    ProgramResources &operator=(const ProgramResources &) = delete;
    ~ProgramResources() { FreeLibrary(m_module); }

    HMODULE module() const { return m_module; }
    std::string_view bytes(const wchar_t *type, const wchar_t *name) const
    {
        const HRSRC found = FindResourceW(m_module, name, type);
        if (!found)
            return {};
        return {static_cast<const char *>(LockResource(LoadResource(m_module, found))),
                SizeofResource(m_module, found)};
    }

    static std::string toNarrow(std::wstring_view wide) { return {wide.begin(), wide.end()}; }

private:
    HMODULE m_module;
};

std::wstring windowTitle(HWND window)
{
    wchar_t title[256] {};
    GetWindowTextW(window, title, 256);
    return title;
}

std::vector<int> versionParts(std::string_view version)
{
    std::vector<int> parts;
    for (std::size_t at = 0; at <= version.size();) {
        const std::size_t dot = std::min(version.find('.', at), version.size());
        parts.push_back(std::atoi(std::string(version.substr(at, dot - at)).c_str()));
        at = dot + 1;
    }
    parts.resize(4);
    return parts;
}

} // namespace

TEST_CASE("the program opens \"Where is Lapforge?\" centred, at its size for the DPI")
{
    StartedProgram program(FRONTEND_PATH);
    REQUIRE_MESSAGE(program.started(), "CreateProcessW failed: " << program.startError());
    const HWND window = program.waitForWindow(20000);
    REQUIRE_MESSAGE(window, "no window shown within 20 s");

    CHECK(windowTitle(window) == L"Where is Lapforge?");
    const SIZE client = clientSize(window);
    CHECK(client.cx == pixelsFromTwips(3210, testDpi()));
    CHECK(client.cy == pixelsFromTwips(2355, testDpi()));

    const RECT work = workAreaOf(window);
    RECT frame {};
    GetWindowRect(window, &frame);
    CHECK(std::abs((frame.left - work.left) - (work.right - frame.right)) <= 1);
    CHECK(std::abs((frame.top - work.top) - (work.bottom - frame.bottom)) <= 1);

    // As the close button does.
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    const std::optional<DWORD> exitCode = program.waitForEnd(10000);
    REQUIRE_MESSAGE(exitCode, "still running 10 s after being closed");
    CHECK(*exitCode == 0);
}

TEST_CASE("the manifest asks for per-monitor DPI, common controls 6 and long paths")
{
    ProgramResources resources;
    const std::string_view manifest =
        resources.bytes(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
    REQUIRE_FALSE(manifest.empty());
    const char *required[] {
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        ">true/pm</dpiAware>",
        ">true</longPathAware>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", // Windows 10 and 11
        "level=\"asInvoker\"",
    };
    for (const char *fragment : required) {
        CAPTURE(fragment);
        CHECK(manifest.find(fragment) != std::string_view::npos);
    }
}

TEST_CASE("the version resource carries the project's version")
{
    const DWORD size = GetFileVersionInfoSizeW(FRONTEND_PATH, nullptr);
    REQUIRE(size > 0);
    std::vector<char> info(size);
    REQUIRE(GetFileVersionInfoW(FRONTEND_PATH, 0, size, info.data()));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT fixedSize = 0;
    REQUIRE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &fixedSize));
    const std::vector<int> parts = versionParts(PROJECT_VERSION);
    CHECK(HIWORD(fixed->dwFileVersionMS) == parts[0]);
    CHECK(LOWORD(fixed->dwFileVersionMS) == parts[1]);
    CHECK(HIWORD(fixed->dwFileVersionLS) == parts[2]);
    CHECK(LOWORD(fixed->dwFileVersionLS) == parts[3]);
    CHECK(fixed->dwProductVersionMS == fixed->dwFileVersionMS);
    CHECK(fixed->dwProductVersionLS == fixed->dwFileVersionLS);
    CHECK(fixed->dwFileType == VFT_APP);

    const std::wstring version(PROJECT_VERSION, PROJECT_VERSION + sizeof PROJECT_VERSION - 1);
    struct Row
    {
        const wchar_t *name;
        std::wstring value;
    };
    const Row rows[] {
        {L"FileVersion", version},
        {L"ProductVersion", version},
        {L"ProductName", L"lapforge-gui"},
        {L"OriginalFilename", L"lapforge-gui.exe"},
    };
    for (const Row &row : rows) {
        CAPTURE(ProgramResources::toNarrow(row.name));
        wchar_t *value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + row.name;
        REQUIRE(
            VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void **>(&value), &length));
        CHECK(std::wstring(value) == row.value);
    }
}

TEST_CASE("the icon holds 16, 32, 48 and 256 pixels, each of which loads")
{
    ProgramResources resources;
    const std::string_view group = resources.bytes(RT_GROUP_ICON, MAKEINTRESOURCEW(LAPFORGE_ICON));
    // A six-byte header, then 14 bytes for each picture, the width first (0 for 256).
    REQUIRE(group.size() >= 6);
    const auto count =
        static_cast<unsigned char>(group[4]) | static_cast<unsigned char>(group[5]) << 8;
    REQUIRE(group.size() == 6 + 14 * std::size_t(count));
    std::vector<int> widths;
    for (int i = 0; i < count; ++i) {
        const int width = static_cast<unsigned char>(group[6 + 14 * i]);
        widths.push_back(width == 0 ? 256 : width);
    }
    CHECK(widths == std::vector<int> {16, 32, 48, 256});

    for (const int width : widths) {
        CAPTURE(width);
        const HANDLE icon = LoadImageW(resources.module(), MAKEINTRESOURCEW(LAPFORGE_ICON),
                                       IMAGE_ICON, width, width, LR_DEFAULTCOLOR);
        REQUIRE(icon);
        ICONINFO parts {};
        REQUIRE(GetIconInfo(static_cast<HICON>(icon), &parts));
        BITMAP bitmap {};
        GetObjectW(parts.hbmColor ? parts.hbmColor : parts.hbmMask, sizeof bitmap, &bitmap);
        CHECK(bitmap.bmWidth == width);
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
    }
}
