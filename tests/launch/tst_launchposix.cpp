// SPDX-License-Identifier: MIT
#include "ProcessChecks.h"
#include "ProgramRun.h"
#include "TestFiles.h"

#include "LaunchGenerator.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Kind = LaunchFailure::Kind;

// Kills the long-running program a test started, so a failed check leaves nothing behind.
// Ends a generator that would run on, however the test leaves, and collects its end so
// that no zombie is left for the next test to find.
class EndsRun
{
public:
    explicit EndsRun(GeneratorRun &run) : m_run(run) { }
    EndsRun(const EndsRun &) = delete;
    EndsRun &operator=(const EndsRun &) = delete;
    ~EndsRun()
    {
        kill(pid_t(m_run.process()), SIGKILL);
        if (endSignalled(m_run, 60000))
            m_run.collect();
    }

private:
    GeneratorRun &m_run;
};

// The process whose command line is exactly `argv`; 0 when there is none (yet).
pid_t findProcess(const std::string &argv)
{
    for (const fs::directory_entry &entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos
            && readFile(entry.path().string() + "/cmdline") == argv)
            return pid_t(std::stol(name));
    }
    return 0;
}

std::string statusField(pid_t pid, const std::string &name)
{
    const std::string status = readFile("/proc/" + std::to_string(pid) + "/status");
    const std::size_t at = status.find('\n' + name + ':');
    if (at == std::string::npos)
        return {};
    const std::size_t start = status.find_first_not_of(" \t", at + name.size() + 2);
    return status.substr(start, status.find('\n', start) - start);
}

} // namespace

TEST_CASE("a failed start of a file the system will not run says why")
{
    const struct
    {
        const char *name;
        std::string contents;
        fs::perms mode;
        Kind kind;
        std::string says;
    } rows[] {
        // Root may run a file only when some execute bit is set, so this holds for root too.
        {"no execute bit", "#!/bin/sh\n", fs::perms::owner_read | fs::perms::owner_write,
         Kind::NotPermitted, "not executable, or permission was denied"},
        {"missing interpreter", "#!/nonexistent/interpreter -x\n", fs::perms::owner_all,
         Kind::NoInterpreter, "interpreter /nonexistent/interpreter, which is missing"},
        {"text without #! line", "touch x\n", fs::perms::owner_all, Kind::NotRunnable,
         "not a program this system can run"},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder root;
        CurrentFolder inRoot(root.path());
        const std::string program = root.filePath("lapforge.exe");
        REQUIRE(writeFile(program, row.contents));
        fs::permissions(program, row.mode);

        const auto launched = launchToEnd(CommandLine(program));
        REQUIRE(!launched);
        const LaunchFailure &failure = launched.failure();
        CHECK(failure.kind == row.kind);
        const std::string message = failure.message();
        CHECK_MESSAGE(message.find(program) != std::string::npos, message);
        CHECK_MESSAGE(message.find(row.says) != std::string::npos, message);
        CHECK(!fs::exists(root.filePath("x")));
    }
}

// Open files, ignored or blocked signals and the working folder are the caller's state the
// generator would otherwise pick up; /proc shows what it really got.
TEST_CASE("the generator starts with a clean state and is not waited for")
{
    TemporaryFolder root;
    const std::string workFolder = root.filePath("work folder");
    fs::create_directory(workFolder);
    CurrentFolder inWork(workFolder);
    const int leakedFile = open("/dev/null", O_RDONLY);
    REQUIRE(leakedFile > 2);
    int leakedPipe[2];
    REQUIRE(pipe(leakedPipe) == 0);
    const auto previousUsr1 = signal(SIGUSR1, SIG_IGN);
    sigset_t usr2;
    sigemptyset(&usr2);
    sigaddset(&usr2, SIGUSR2);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &usr2, &previousMask);

    const std::string seconds = std::to_string(3000 + getpid() % 1000) + ".25";
    CommandLine command("/bin/sleep");
    command.appendArgument(seconds);
    auto launched = LaunchGenerator(command);

    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    signal(SIGUSR1, previousUsr1);
    close(leakedFile);
    close(leakedPipe[0]);
    close(leakedPipe[1]);
    REQUIRE_MESSAGE(launched, (launched ? "" : launched.failure().message()));
    GeneratorRun &run = *launched;
    const EndsRun endsSleeper(run);
    const pid_t sleeper = pid_t(run.process());

    // Before exec the command line is still the test's, so a match means exec has happened;
    // the descriptors marked close-on-exec go a moment after the new command line shows.
    const std::string argv = std::string("/bin/sleep") + '\0' + seconds + '\0';
    REQUIRE(eventually([&] { return findProcess(argv) == sleeper; }));
    const std::string proc = "/proc/" + std::to_string(sleeper);
    CHECK(eventually([&] {
        return openDescriptors(std::to_string(sleeper)) == std::vector<int> {0, 1, 2};
    }));
    CHECK(statusField(sleeper, "SigBlk") == std::string(16, '0'));
    CHECK(statusField(sleeper, "SigIgn") == std::string(16, '0'));
    CHECK(fs::read_symlink(proc + "/cwd") == fs::canonical(workFolder));
}

TEST_CASE("starts leave no zombie and no open descriptor")
{
    const std::vector<int> descriptorsBefore = openDescriptors();
    CommandLine started("/bin/true");
    started.appendOption(" -a -b -c -d -e -f -g -h -i -j -k -l ");
    const CommandLine missing("/nonexistent/lapforge.exe");

    // Failed starts take other paths through the launch, so they are mixed in.
    for (int i = 0; i < 300; ++i) {
        const bool shouldFail = i % 3 == 2;
        const auto launched = launchToEnd(shouldFail ? missing : started);
        REQUIRE(!launched == shouldFail);
    }

    int status = 0;
    const pid_t reaped = waitpid(-1, &status, WNOHANG);
    CHECK_MESSAGE((reaped == 0 || (reaped < 0 && errno == ECHILD)), "a child was left to reap");
    CHECK(childProcesses().empty());
    CHECK(openDescriptors() == descriptorsBefore);
}
