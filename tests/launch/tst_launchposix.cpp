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
#include <system_error>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
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

// Allowed no process of its own, this process can fork no more. Root may exceed the limit,
// so root first becomes nobody. Says why when that cannot be brought about here.
std::string forbidForking()
{
    constexpr uid_t nobody = 65534;
    if (geteuid() == 0
        && (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0))
        return "cannot become nobody";
    const rlimit none {0, 0};
    if (setrlimit(RLIMIT_NPROC, &none) != 0)
        return "cannot limit the processes";
    const pid_t probe = fork();
    if (probe == 0)
        _exit(0);
    if (probe > 0) {
        waitpid(probe, nullptr, 0);
        return "the process limit is not enforced";
    }
    return {};
}

// What the child of a test found, handed back as text through a pipe.
std::string readAll(int fd)
{
    std::string text;
    char buffer[512];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        text.append(buffer, std::size_t(got > 0 ? got : 0));
    return text;
}

} // namespace

// The start is tried in a child of the test, which gives up the right to fork for good.
TEST_CASE("a start that cannot fork says why, and nothing is started")
{
    int found[2];
    REQUIRE(pipe(found) == 0);
    const pid_t tester = fork();
    REQUIRE(tester >= 0);
    if (tester == 0) {
        close(found[0]);
        std::string text = forbidForking();
        if (text.empty()) {
            const auto launched = LaunchGenerator(CommandLine("/bin/true"));
            text = launched ? "started process " + std::to_string(launched->process())
                            : std::to_string(int(launched.failure().kind)) + '\n'
                    + launched.failure().message();
        } else {
            text = "unprovoked\n" + text;
        }
        (void)!write(found[1], text.data(), text.size());
        _exit(0);
    }
    close(found[1]);
    const std::string text = readAll(found[0]);
    close(found[0]);
    int status = 0;
    REQUIRE(waitpid(tester, &status, 0) == tester);
    REQUIRE(WIFEXITED(status));
    if (text.starts_with("unprovoked\n")) {
        MESSAGE("not checked: " << text.substr(text.find('\n') + 1));
        return;
    }
    const std::string failed = std::to_string(int(Kind::Other)) + '\n';
    CHECK_MESSAGE(text.starts_with(failed), text);
    CHECK(text.substr(failed.size())
          == "Cannot start /bin/true (" + std::generic_category().message(EAGAIN) + ").");
}

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
