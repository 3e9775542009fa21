// SPDX-License-Identifier: MIT
#include "LaunchGenerator.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

const char *const program = "/bin/true";
const std::vector<std::string> twelveArguments {"-a", "-b", "-c", "-d", "-e", "-f",
                                                "-g", "-h", "-i", "-j", "-k", "-l"};

struct Contender
{
    const char *name;
    std::function<bool()> start;
    std::vector<double> microseconds;
};

// The floor: one process, no detaching, no exec report.
bool spawnAndWait(const std::vector<char *> &argv)
{
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
    return true;
}

// A start as the front end makes it, with its end collected as the event loop would.
bool launchAndCollect(const CommandLine &command)
{
    auto run = LaunchGenerator(command);
    if (!run)
        return false;
    pollfd end {run->endHandle(), POLLIN, 0};
    while (poll(&end, 1, -1) < 0 && errno == EINTR) { }
    return run->collect().has_value();
}

double median(std::vector<double> samples)
{
    const auto middle = samples.begin() + std::ptrdiff_t(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    constexpr int runs = 200;

    CommandLine command(program);
    QStringList qtArguments;
    std::vector<std::string> spawnStrings {program};
    for (const std::string &argument : twelveArguments) {
        command.appendArgument(argument);
        qtArguments.append(QString::fromStdString(argument));
        spawnStrings.push_back(argument);
    }
    std::vector<char *> spawnArgv;
    for (std::string &text : spawnStrings)
        spawnArgv.push_back(text.data());
    spawnArgv.push_back(nullptr);

    std::vector<Contender> contenders {
        {"LaunchGenerator", [&] { return launchAndCollect(command); }, {}},
        {"QProcess::startDetached",
         [&] { return QProcess::startDetached(QString::fromLatin1(program), qtArguments); },
         {}},
        {"posix_spawn + waitpid", [&] { return spawnAndWait(spawnArgv); }, {}},
    };

    // Interleaved, so that a busy moment on the machine weighs on every contender alike.
    for (int run = 0; run < runs; ++run) {
        for (Contender &contender : contenders) {
            const auto begin = std::chrono::steady_clock::now();
            if (!contender.start()) {
                std::fprintf(stderr, "%s failed to start %s\n", contender.name, program);
                return 1;
            }
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - begin;
            contender.microseconds.push_back(took.count());
        }
    }

    const double reference = median(contenders.front().microseconds);
    std::printf("Starting %s with %zu arguments, median of %d starts each:\n", program,
                twelveArguments.size(), runs);
    for (const Contender &contender : contenders) {
        const double value = median(contender.microseconds);
        std::printf("  %-24s %9.1f us  (LaunchGenerator / this: %.2f)\n", contender.name, value,
                    reference / value);
    }
    return 0;
}
