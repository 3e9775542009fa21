// SPDX-License-Identifier: MIT
#include "GeneratorRun.h"
#include "LaunchGenerator.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int patience = 30000; // milliseconds; a generator that takes longer has hung

// A folder of its own for each case, removed when the case ends.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "generatorrun-XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    fs::path operator/(const std::string &name) const { return m_path / name; }
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

std::string writeScript(const fs::path &path, const std::string &body)
{
    std::ofstream(path) << "#!/bin/sh\n" << body << '\n';
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
}

std::string contentsOf(const fs::path &path)
{
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size()
        && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> openDescriptors()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator("/proc/self/fd"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool endSignalled(const GeneratorRun &run, int timeout)
{
    pollfd watched {run.endHandle(), POLLIN, 0};
    return poll(&watched, 1, timeout) == 1;
}

GeneratorRun start(const CommandLine &command)
{
    auto started = LaunchWatchedGenerator(command);
    if (auto *failure = std::get_if<LaunchFailure>(&started))
        FAIL(failure->message());
    return std::move(std::get<GeneratorRun>(started));
}

GeneratorEnd runToEnd(const CommandLine &command)
{
    GeneratorRun run = start(command);
    REQUIRE(endSignalled(run, patience));
    std::optional<GeneratorEnd> end = run.collect();
    REQUIRE(end);
    CHECK(!run.watching());
    CHECK(!run.collect());
    return *end;
}

CommandLine commandOf(const std::string &program, const std::vector<std::string> &arguments)
{
    CommandLine command(program);
    for (const std::string &argument : arguments)
        command.appendArgument(argument);
    return command;
}

bool hasChildLeft()
{
    siginfo_t info = {};
    return waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

} // namespace

TEST_CASE("an end is told in the user's words")
{
    using How = GeneratorEnd::How;
    struct Row
    {
        const char *name;
        How how;
        long long number;
        std::string tail;
        bool failed;
        std::string message;
    };
    const std::string tool = "/tools/lapforge.exe";
    const Row rows[] = {
        {"success", How::Exited, 0, "", false,
         tool
             + " ended with exit status 0 and wrote no "
               "error output."},
        {"exit status", How::Exited, 2, "lapforge: bad option -q\nusage: lapforge\n", true,
         tool
             + " ended with exit status 2. The end of its error output:\n\nlapforge: bad option "
               "-q\nusage: lapforge"},
        {"signal", How::Killed, SIGKILL, "", true,
         tool
             + " ended with signal 9 (Killed) and wrote "
               "no error output."},
        {"signal with output", How::Killed, SIGSEGV, "half\r\n", true,
         tool + " ended with signal 11 (Segmentation fault). The end of its error output:\n\nhalf"},
        {"blank output counts as none", How::Exited, 1, " \n\n", true,
         tool + " ended with exit status 1 and wrote no error output."},
        // A signal number that the system has no name for is still told.
        {"unnamed signal", How::Killed, 200, "", true,
         tool
             + " ended with signal 200 and wrote no "
               "error output."},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const GeneratorEnd end {tool, row.how, row.number, row.tail};
        CHECK(end.failed() == row.failed);
        CHECK(end.message() == row.message);
    }
}

TEST_CASE("a watched generator's end is collected with its status and error output")
{
    TemporaryFolder folder;
    const std::string file = (folder / "a file").string();
    std::ofstream(file) << "not a folder";
    const std::string good = (folder / "new_prm").string();
    const std::string dies = writeScript(folder / "dies", "echo going >&2\nkill -KILL $$");
    const std::string quiet = writeScript(folder / "quiet", "exit 3");

    using How = GeneratorEnd::How;
    struct Row
    {
        const char *name;
        CommandLine command;
        How how;
        long long number;
        std::string tail; // what the error output ends with, up to its final newline
    };
    const Row rows[] = {
        {"success", commandOf(STANDIN_PATH, {"-o", good}), How::Exited, 0, ""},
        {"arguments refused", commandOf(STANDIN_PATH, {"-q", "-o", good}), How::Exited, 2,
         "usage: lapforge [-l|-r -9|-U|-S|-O N] [-b|-t|-d N] [-c N] [-h N] [-x N] [-w|-n|-s] "
         "[-m I] [-p I] [-f] -o PATH\n"},
        {"folder is a file", commandOf(STANDIN_PATH, {"-o", file + "/new_prm"}), How::Exited, 1,
         "lapforge: cannot write " + file + "/new_prm: Not a directory\n"},
        {"killed by a signal", commandOf(dies, {}), How::Killed, SIGKILL, "going\n"},
        {"no error output", commandOf(quiet, {}), How::Exited, 3, ""},
    };
    const std::vector<std::string> descriptorsBefore = openDescriptors();
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const GeneratorEnd end = runToEnd(row.command);
        CHECK(end.program == row.command.program());
        CHECK(end.how == row.how);
        CHECK(end.number == row.number);
        CHECK(endsWith(end.errorTail, row.tail));
        CHECK(end.errorTail.empty() == row.tail.empty());
    }
    CHECK(contentsOf(good).find("Arguments received: 2") != std::string::npos);
    CHECK(openDescriptors() == descriptorsBefore);
    CHECK(!hasChildLeft());
}

TEST_CASE("only the last 4 KiB of the error output are kept, without a broken character")
{
    TemporaryFolder folder;
    // Lines of "é NNNN" take 8 bytes and the last line 9, so the kept part starts on the
    // second byte of an "é": that half is dropped rather than shown as a wrong character.
    const std::string noisy =
        writeScript(folder / "noisy",
                    "i=1000; while [ $i -lt 6000 ]; do echo \"é $i\" >&2; i=$((i+1)); "
                    "done; echo 'the end!' >&2; exit 4");
    const GeneratorEnd end = runToEnd(CommandLine(noisy));
    CHECK(end.number == 4);
    CHECK(end.errorTail.size() == GeneratorEnd::keptErrorOutput - 1);
    CHECK(end.errorTail.substr(0, 2) == " 5");
    CHECK(endsWith(end.errorTail, "é 5999\nthe end!\n"));
}

TEST_CASE("a generator writing into a read-only folder fails with the system's reason")
{
    // A read-only bind mount needs a mount namespace of our own, which needs root.
    TemporaryFolder folder;
    const std::string readOnly = (folder / "read-only").string();
    fs::create_directory(readOnly);
    if (unshare(CLONE_NEWNS) != 0) {
        MESSAGE("skipped: no mount namespace of our own (", std::strerror(errno), ")");
        return;
    }
    REQUIRE(mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
    REQUIRE(mount(readOnly.c_str(), readOnly.c_str(), nullptr, MS_BIND, nullptr) == 0);
    REQUIRE(mount(nullptr, readOnly.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)
            == 0);
    const std::string output = readOnly + "/new_prm";
    const GeneratorEnd end = runToEnd(commandOf(STANDIN_PATH, {"-o", output}));
    umount(readOnly.c_str());
    CHECK(end.how == GeneratorEnd::How::Exited);
    CHECK(end.number == 1);
    CHECK(end.errorTail == "lapforge: cannot write " + output + ": Read-only file system\n");
}

TEST_CASE("each generator runs in a session of its own")
{
    TemporaryFolder folder;
    GeneratorRun run = start(CommandLine(writeScript(folder / "waits", "exec sleep 300")));
    CHECK(getsid(pid_t(run.process())) == pid_t(run.process()));
    CHECK(getpgid(pid_t(run.process())) == pid_t(run.process()));
    kill(pid_t(run.process()), SIGTERM);
    REQUIRE(endSignalled(run, patience));
    const std::optional<GeneratorEnd> end = run.collect();
    REQUIRE(end);
    CHECK(end->status() == "signal 15 (Terminated)");
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
        const fs::path go = folder / "go";
        const fs::path output = folder / "new_prm";
        REQUIRE(mkfifo(go.c_str(), 0600) == 0);
        const std::string generator = writeScript(
            folder / "generator", "read line < \"$1\"\necho late >&2\necho done > \"$2\"");
        int started[2];
        REQUIRE(pipe(started) == 0);

        const pid_t frontEnd = fork();
        REQUIRE(frontEnd >= 0);
        if (frontEnd == 0) {
            setpgid(0, 0);
            auto run = LaunchWatchedGenerator(commandOf(generator, {go.string(), output.string()}));
            const pid_t process =
                std::holds_alternative<GeneratorRun>(run) ? pid_t(std::get<0>(run).process()) : 0;
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

        std::ofstream(go) << "now\n";
        REQUIRE(waitpid(process, &status, 0) == process);
        CHECK(WIFEXITED(status));
        CHECK(WEXITSTATUS(status) == 0);
        CHECK(contentsOf(output) == "done\n");
    }
}
