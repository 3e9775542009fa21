// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "TestFiles.h"

#include "LaunchGenerator.h"

#include <doctest/doctest.h>

#include <filesystem>
#include <optional>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

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

} // namespace

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
