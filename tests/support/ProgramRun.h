// SPDX-License-Identifier: MIT
#pragma once

#include "GeneratorRun.h"
#include "LaunchGenerator.h"

#include <optional>
#include <string>
#include <vector>

struct ProgramRun
{
    bool finished = false; // ended on its own, not by a signal or a failed start
    int exitCode = -1;
    std::string errors; // what it wrote to its standard error
};

// Runs the program with exactly these arguments and waits for it to end.
ProgramRun runProgram(const std::string &program, const std::vector<std::string> &arguments);

// Waits at most `milliseconds` for a started generator to end; true once it has.
bool endSignalled(const GeneratorRun &run, int milliseconds);

// Starts the command line as the front end does and collects the generator's end, so that
// no test leaves a zombie behind; or why the start failed.
Result<void, LaunchFailure> launchToEnd(const CommandLine &command);
