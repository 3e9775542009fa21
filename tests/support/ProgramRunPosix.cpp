// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <cerrno>

#include <poll.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments)
{
    std::vector<std::string> words {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ProgramRun run;
    int errors[2];
    if (pipe(errors) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, errors[0]);
    pid_t child = 0;
    const int spawnError =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(errors[1]);
    if (spawnError == 0) {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(errors[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
            run.errors.append(buffer, std::size_t(got > 0 ? got : 0));
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
        run.finished = WIFEXITED(status);
        run.exitCode = run.finished ? WEXITSTATUS(status) : -1;
    }
    close(errors[0]);
    return run;
}

bool endSignalled(const GeneratorRun &run, int milliseconds)
{
    pollfd watched {run.endHandle(), POLLIN, 0};
    return poll(&watched, 1, milliseconds) == 1;
}
