// SPDX-License-Identifier: MIT
#include "LaunchGenerator.h"
#include "WineStart.h"

#include <cerrno>
#include <csignal>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Everything the child needs is prepared before fork: between fork and exec only
// async-signal-safe calls are allowed, and that rules out allocating.
struct ExecPlan
{
    std::vector<std::string> strings;
    std::vector<char *> argv;
    int highestDescriptor;
};

ExecPlan makeExecPlan(std::vector<std::string> argv)
{
    ExecPlan plan;
    plan.strings = std::move(argv);
    for (std::string &text : plan.strings)
        plan.argv.push_back(text.data());
    plan.argv.push_back(nullptr);

    rlimit limit {};
    const bool limited = getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    plan.highestDescriptor = limited && limit.rlim_cur < 65536 ? int(limit.rlim_cur) - 1 : 65535;
    return plan;
}

// O_CLOEXEC is not on every descriptor the caller (or a library) opened, so mark them all.
void closeOnExecAboveStandardStreams(int highestDescriptor)
{
#if defined(CLOSE_RANGE_CLOEXEC)
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
#endif
    for (int fd = 3; fd <= highestDescriptor; ++fd)
        fcntl(fd, F_SETFD, FD_CLOEXEC);
}

// Ignored signals stay ignored across exec, and the mask is inherited: the generator should
// meet signals as any freshly started program does, not as the front end chose for itself.
void resetSignals()
{
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (signal != SIGKILL && signal != SIGSTOP)
            sigaction(signal, &byDefault, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    pthread_sigmask(SIG_SETMASK, &none, nullptr);
}

void reportError(int reportFd, int error)
{
    while (write(reportFd, &error, sizeof error) < 0 && errno == EINTR) { }
}

// A hangup of the front end's terminal must not reach a generator that is still writing,
// so it runs in a session of its own. `errorOutput` becomes its standard error.
[[noreturn]] void execGenerator(const ExecPlan &plan, int reportFd, int errorOutput)
{
    setsid();
    const bool redirected = errorOutput == STDERR_FILENO ? fcntl(STDERR_FILENO, F_SETFD, 0) == 0
                                                         : dup2(errorOutput, STDERR_FILENO) >= 0;
    if (redirected) {
        closeOnExecAboveStandardStreams(plan.highestDescriptor);
        resetSignals();
        execve(plan.argv[0], plan.argv.data(), environ);
    }
    reportError(reportFd, errno);
    _exit(127);
}

void reap(pid_t child)
{
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) { }
}

// The report pipe reaches end of file when the exec succeeded (close-on-exec), or carries
// the errno of what failed.
int readReportedError(int reportFd)
{
    int error = 0;
    char *into = reinterpret_cast<char *>(&error);
    std::size_t got = 0;
    while (got < sizeof error) {
        const ssize_t n = read(reportFd, into + got, sizeof error - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    return got == sizeof error ? error : 0;
}

// The read end must not leak into programs that other threads start meanwhile.
bool openReportPipe(int (&ends)[2])
{
#if defined(__APPLE__)
    if (pipe(ends) != 0)
        return false;
    fcntl(ends[0], F_SETFD, FD_CLOEXEC);
    fcntl(ends[1], F_SETFD, FD_CLOEXEC);
    return true;
#else
    return pipe2(ends, O_CLOEXEC) == 0;
#endif
}

bool exists(const std::string &path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0;
}

LaunchFailure::Kind kindOf(int error, const std::string &program)
{
    switch (error) {
    case ENOENT:
        // The file is there, so what is missing is the interpreter its "#!" line or its
        // loader names: the program cannot run here, although it was found.
        return exists(program) ? LaunchFailure::Kind::NotRunnable : LaunchFailure::Kind::NoSuchFile;
    case ENOTDIR:
        return LaunchFailure::Kind::NoSuchFile;
    case EACCES:
    case EPERM:
        return LaunchFailure::Kind::NotPermitted;
    case ENOEXEC:
    case EISDIR:
    case EINVAL:
#if defined(ELIBBAD)
    case ELIBBAD:
#endif
#if defined(EBADARCH)
    case EBADARCH:
#endif
#if defined(EBADEXEC)
    case EBADEXEC:
#endif
        return LaunchFailure::Kind::NotRunnable;
    default:
        return LaunchFailure::Kind::Other;
    }
}

LaunchFailure failure(int error, const std::string &program)
{
    return startFailure(kindOf(error, program), program, std::generic_category().message(error));
}

// With every signal blocked no handler of the caller runs in the child; the process that
// execs clears the mask again just before. errno is fork's.
template<typename Child>
pid_t forkWithSignalsBlocked(Child runChild)
{
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child = fork();
    if (child == 0)
        runChild();
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = forkError;
    return child;
}

// Memory, not a pipe: writing to it never blocks and never raises SIGPIPE, whether or not
// the front end still runs.
int openErrorOutput()
{
    return memfd_create("lapforge standard error", MFD_CLOEXEC);
}

// Close-on-exec by design, so it never leaks into programs started later.
int openProcessDescriptor(pid_t process)
{
    return int(syscall(SYS_pidfd_open, process, 0));
}

void closeIfOpen(int fd)
{
    if (fd >= 0)
        close(fd);
}

} // namespace

Result<GeneratorRun, LaunchFailure> LaunchGenerator(const CommandLine &command)
{
    auto argv = startingArgv(command);
    if (!argv)
        return Failure {argv.failure()};
    const ExecPlan plan = makeExecPlan(*std::move(argv));

    const int errorOutput = openErrorOutput();
    int report[2];
    if (errorOutput < 0 || !openReportPipe(report)) {
        const int error = errno;
        closeIfOpen(errorOutput);
        return Failure {failure(error, command.program())};
    }

    const pid_t child =
        forkWithSignalsBlocked([&] { execGenerator(plan, report[1], errorOutput); });
    int error = child < 0 ? errno : 0;
    close(report[1]);
    int end = -1;
    if (child > 0) {
        // Without its descriptor the generator could not be watched, and would be a
        // zombie once ended: it is not let run.
        end = openProcessDescriptor(child);
        if (end < 0) {
            error = errno;
            kill(child, SIGKILL);
        }
        const int execError = readReportedError(report[0]);
        if (end >= 0)
            error = execError;
    }
    close(report[0]);
    if (error == 0)
        return GeneratorRun(command.program(), child, end, errorOutput);
    if (child > 0)
        reap(child);
    closeIfOpen(end);
    close(errorOutput);
    return Failure {failure(error, command.program())};
}
