// SPDX-License-Identifier: MIT
#include "TestFiles.h"

#include "GeneratorRun.h"
#include "LaunchGenerator.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <filesystem>

#include "WindowsApi.h"

namespace {

constexpr DWORD patience = 60000; // milliseconds; a program that takes longer has hung

const std::string usage = "usage: lapforge [-l|-r -9|-U|-S|-O N] [-b|-t|-d N] [-c N] [-h N] "
                          "[-x N] [-w|-n|-s] [-m I] [-p I] [-f] -o PATH\n";

GeneratorRun start(const CommandLine &command)
{
    auto started = LaunchGenerator(command);
    if (!started)
        FAIL(started.failure().message());
    return *std::move(started);
}

GeneratorEnd runToEnd(GeneratorRun run)
{
    REQUIRE(WaitForSingleObject(run.endHandle(), patience) == WAIT_OBJECT_0);
    std::optional<GeneratorEnd> end = run.collect();
    REQUIRE(end);
    CHECK(!run.watching());
    CHECK(!run.collect());
    // The C runtime writes "\r\n" for each line break of a program's standard error.
    std::erase(end->errorTail, '\r');
    return *end;
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size()
        && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST_CASE("a crash code is told in hexadecimal")
{
    struct Row
    {
        long long number;
        std::string status;
    };
    const Row rows[] = {{0, "exit status 0"},
                        {2, "exit status 2"},
                        {0xC0000005LL, "exit status 0xC0000005"},
                        {0xFFFFFFFFLL, "exit status 0xFFFFFFFF"},
                        {-1, "exit status -1"}};
    for (const Row &row : rows) {
        CAPTURE(row.number);
        CHECK(GeneratorEnd {"lapforge.exe", GeneratorEnd::How::Exited, row.number, ""}.status()
              == row.status);
    }
}

TEST_CASE("a watched generator's end is collected with its status and error output")
{
    TemporaryFolder folder;
    const std::string file = folder.filePath("a file");
    REQUIRE(writeFile(file, "not a folder"));
    const std::string good = folder.filePath("new_prm");
    const std::string refused = "-q" + std::string(5000, 'q');

    struct Row
    {
        const char *name;
        std::vector<std::string> arguments;
        long long status;
        std::string starts; // what the kept error output starts with
        std::string ends; // what it ends with
    };
    const Row rows[] = {
        {"success", {"-o", good}, 0, "", ""},
        {"arguments refused", {"-q", "-o", good}, 2, "lapforge: \"-q\" (argument 1)", usage},
        // Only the last 4 KiB are kept: the long argument's start is gone.
        {"long error output", {refused, "-o", good}, 2, "qqqq", "out of order\n" + usage},
        {"folder is a file",
         {"-o", file + "\\new_prm"},
         1,
         "lapforge: cannot write " + file + "\\new_prm: ",
         ""},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const GeneratorEnd end = runToEnd(start(commandOf(STANDIN_PATH, row.arguments)));
        CHECK(end.how == GeneratorEnd::How::Exited);
        CHECK(end.number == row.status);
        CHECK(end.errorTail.rfind(row.starts, 0) == 0);
        CHECK(endsWith(end.errorTail, row.ends));
        CHECK(end.errorTail.empty() == (row.status == 0));
        CHECK(end.errorTail.size() <= GeneratorEnd::keptErrorOutput);
    }
    CHECK(recordedReport(good) == reportOf({"-o", good}));
}

TEST_CASE("a generator ended from outside is reported with its exit code")
{
    TemporaryFolder folder;
    const std::string marker = folder.filePath("running");
    REQUIRE(writeFile(marker, "stay\n"));
    GeneratorRun run = start(commandOf(SLEEPER_PATH, {marker}));
    REQUIRE(TerminateProcess(run.endHandle(), 0xC0000005));
    const GeneratorEnd end = runToEnd(std::move(run));
    CHECK(end.failed());
    CHECK(end.summary()
          == std::string(SLEEPER_PATH)
              + " ended with exit status 0xC0000005 and wrote no error output.");
}

// An inheritable pipe's write end held by the generator would keep the pipe from reporting
// its end when this side closes it; letting go of the run must not end the generator.
TEST_CASE("the generator inherits no other handle and outlives its watch")
{
    TemporaryFolder folder;
    const std::string marker = folder.filePath("running");
    REQUIRE(writeFile(marker, "stay\n"));
    SECURITY_ATTRIBUTES inheritable {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    REQUIRE(CreatePipe(&readEnd, &writeEnd, &inheritable, 0));

    std::optional<GeneratorRun> run = start(commandOf(SLEEPER_PATH, {marker}));
    CloseHandle(writeEnd);
    char byte = 0;
    DWORD got = 0;
    CHECK(!ReadFile(readEnd, &byte, 1, &got, nullptr));
    CloseHandle(readEnd);

    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(run->process()));
    REQUIRE(process);
    run.reset();
    CHECK(WaitForSingleObject(process, 0) == WAIT_TIMEOUT);
    std::filesystem::remove(pathOf(marker));
    CHECK(WaitForSingleObject(process, patience) == WAIT_OBJECT_0);
    CloseHandle(process);
}
