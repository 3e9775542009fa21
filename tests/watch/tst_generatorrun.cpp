// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "TestFiles.h"

#include "ErrorOutputTrimmer.h"
#include "GeneratorRun.h"
#include "LaunchGenerator.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iterator>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int patience = 30000; // milliseconds; a generator that takes longer has hung

std::string writeScript(const std::string &path, const std::string &body)
{
    writeFile(path, "#!/bin/sh\n" + body + '\n');
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size()
        && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

GeneratorEnd runToEnd(const CommandLine &command)
{
    auto started = LaunchGenerator(command);
    if (!started)
        FAIL(started.failure().message());
    GeneratorRun &run = *started;
    REQUIRE(endSignalled(run, patience));
    std::optional<GeneratorEnd> end = run.collect();
    REQUIRE(end);
    CHECK(!run.watching());
    CHECK(!run.collect());
    return *end;
}

} // namespace

TEST_CASE("only the last 4 KiB of the error output are kept, without a broken character")
{
    TemporaryFolder folder;
    // Lines of "é NNNN" take 8 bytes and the last line 9, so the kept part starts on the
    // second byte of an "é": that half is dropped rather than shown as a wrong character.
    const std::string noisy =
        writeScript(folder.filePath("noisy"),
                    "i=1000; while [ $i -lt 6000 ]; do echo \"é $i\" >&2; i=$((i+1)); "
                    "done; echo 'the end!' >&2; exit 4");
    const GeneratorEnd end = runToEnd(CommandLine(noisy));
    CHECK(end.number == 4);
    CHECK(end.errorTail.size() == GeneratorEnd::keptErrorOutput - 1);
    CHECK(end.errorTail.substr(0, 2) == " 5");
    CHECK(endsWith(end.errorTail, "é 5999\nthe end!\n"));
}

// The memory file behind the generator's standard error is looked at through /proc while the
// generator writes far more than is kept. Sampling may miss the highest point, but before the
// file was trimmed it only ever grew, to all that was written.
TEST_CASE("error output far past what is kept takes little memory, and its end is intact")
{
    constexpr long long mebibyte = 1024 * 1024;
    constexpr long long written = 512 * mebibyte;
    TemporaryFolder folder;
    const std::string go = folder.filePath("go");
    REQUIRE(mkfifo(go.c_str(), 0600) == 0);
    const std::string chatty = writeScript(folder.filePath("chatty"),
                                           "read line < \"$1\"\ndd if=/dev/zero bs=1048576 count="
                                               + std::to_string(written / mebibyte)
                                               + " status=none >&2\necho 'the end' >&2\nexit 3");
    auto started = LaunchGenerator(commandOf(chatty, {go}));
    if (!started)
        FAIL(started.failure().message());
    GeneratorRun &run = *started;
    const std::string errorOutput = "/proc/" + std::to_string(run.process()) + "/fd/2";
    const int memoryFile = open(errorOutput.c_str(), O_RDONLY | O_CLOEXEC);
    REQUIRE(memoryFile >= 0);
    auto memoryUsed = [memoryFile] {
        struct stat status = {};
        return fstat(memoryFile, &status) == 0 ? static_cast<long long>(status.st_blocks) * 512
                                               : -1;
    };
    REQUIRE(writeFile(go, "go\n"));

    long long peak = 0;
    while (!endSignalled(run, 1))
        peak = std::max(peak, memoryUsed());
    // Once the generator has stopped writing, the trimming catches up with it.
    const long long page = sysconf(_SC_PAGESIZE);
    CHECK(eventually(
        [&] { return memoryUsed() <= static_cast<long long>(ErrorOutputTrimmer::kept) + page; }));
    close(memoryFile);
    const std::optional<GeneratorEnd> end = run.collect();
    REQUIRE(end);
    CHECK_MESSAGE(peak < written / 4, "peak of the memory file: ", peak / 1024, " KiB");
    CHECK(end->number == 3);
    CHECK(end->errorTail.size() == GeneratorEnd::keptErrorOutput);
    CHECK(endsWith(end->errorTail, std::string(100, '\0') + "the end\n"));
}

// The front end is a child of this test that starts a generator and then ends, as the real
// one does when its window is closed or its terminal hangs up. The generator must go on to
// finish its file, and writing to its standard error afterwards must not harm it. As the
// subreaper, this test inherits the orphaned generator and can see how it ended.
TEST_CASE("a generator outlives the front end that started it")
{
    REQUIRE(prctl(PR_SET_CHILD_SUBREAPER, 1) == 0);
    struct Row
    {
        const char *name;
        int frontEndSignal; // sent to the front end's process group; 0: it exits by itself
    };
    const Row rows[] = {{"front end exits", 0}, {"hangup of its terminal", SIGHUP}};
    for (const Row &row : rows) {
        CAPTURE(row.name);
        TemporaryFolder folder;
        const std::string go = folder.filePath("go");
        const std::string output = folder.filePath("new_prm");
        REQUIRE(mkfifo(go.c_str(), 0600) == 0);
        const std::string generator = writeScript(
            folder.filePath("generator"), "read line < \"$1\"\necho late >&2\necho done > \"$2\"");
        int started[2];
        REQUIRE(pipe(started) == 0);

        const pid_t frontEnd = fork();
        REQUIRE(frontEnd >= 0);
        if (frontEnd == 0) {
            setpgid(0, 0);
            auto run = LaunchGenerator(commandOf(generator, {go, output}));
            const pid_t process = run ? pid_t(run->process()) : 0;
            (void)!write(started[1], &process, sizeof process);
            if (row.frontEndSignal == 0)
                _exit(0);
            pause();
            _exit(1);
        }
        close(started[1]);
        pid_t process = 0;
        REQUIRE(read(started[0], &process, sizeof process) == sizeof process);
        close(started[0]);
        REQUIRE(process > 0);
        if (row.frontEndSignal != 0)
            REQUIRE(killpg(frontEnd, row.frontEndSignal) == 0);
        int status = 0;
        REQUIRE(waitpid(frontEnd, &status, 0) == frontEnd);
        CHECK(kill(process, 0) == 0);

        REQUIRE(writeFile(go, "now\n"));
        REQUIRE(waitpid(process, &status, 0) == process);
        CHECK(WIFEXITED(status));
        CHECK(WEXITSTATUS(status) == 0);
        CHECK(readFile(output) == "done\n");
    }
}
