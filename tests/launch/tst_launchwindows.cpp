// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "TestFiles.h"

#include "LaunchGenerator.h"

#include <doctest/doctest.h>

#include <filesystem>
#include <optional>

#include "WindowsApi.h"

namespace {

// Ends the sleeper however the test ends: it stays only while its marker exists.
class Marker
{
public:
    explicit Marker(std::string path) : m_path(std::move(path)) { writeFile(m_path, "stay\n"); }
    ~Marker() { remove(); }
    void remove()
    {
        std::error_code error;
        std::filesystem::remove(pathOf(m_path), error);
    }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

// A file that this process is refused to read. Under Wine, which lets root open anything it
// is given, that is a file that Linux refuses to open even to root: an attribute in /sys that
// can only be written. Empty when there is none.
std::string unreadableFile()
{
    const std::string path = "Z:\\sys\\bus\\cpu\\uevent";
    const HANDLE file = CreateFileW(pathOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return {};
    }
    return GetLastError() == ERROR_ACCESS_DENIED ? path : std::string();
}

} // namespace

TEST_CASE("a program that may not be read is not permitted")
{
    const std::string program = unreadableFile();
    if (program.empty()) {
        MESSAGE("not checked: no file here refuses to be read");
        return;
    }
    const auto launched = launchToEnd(CommandLine(program));
    REQUIRE(!launched);
    CHECK(launched.failure().kind == LaunchFailure::Kind::NotPermitted);
    CHECK_MESSAGE(launched.failure().message().find("permission was denied") != std::string::npos,
                  launched.failure().message());
}

// With the write end of an inheritable pipe open here, a started program that inherited
// it would keep the pipe from reporting its end when this side closes it.
TEST_CASE("the generator is not waited for and inherits no handle")
{
    TemporaryFolder folder;
    Marker marker(folder.filePath("running"));
    SECURITY_ATTRIBUTES inheritable {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    REQUIRE(CreatePipe(&readEnd, &writeEnd, &inheritable, 0));

    CommandLine command(SLEEPER_PATH);
    command.appendArgument(marker.path());
    auto launched = LaunchGenerator(command);
    CloseHandle(writeEnd);
    REQUIRE_MESSAGE(launched, (launched ? "" : launched.failure().message()));
    GeneratorRun &run = *launched;

    // The sleeper runs until the marker goes; had the launch waited, it would have ended.
    const std::string ended = marker.path() + ".ended";
    CHECK_FALSE(std::filesystem::exists(pathOf(ended)));
    // Peeking does not wait for a writer that holds on, as reading would.
    CHECK_FALSE(PeekNamedPipe(readEnd, nullptr, 0, nullptr, nullptr, nullptr));
    CHECK(GetLastError() == ERROR_BROKEN_PIPE);
    CloseHandle(readEnd);

    marker.remove();
    CHECK(eventually([&] { return std::filesystem::exists(pathOf(ended)); }));
    CHECK(endSignalled(run, 60000));
    CHECK(run.collect());
}
