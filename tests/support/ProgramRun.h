// SPDX-License-Identifier: MIT
#pragma once

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
