// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

Result<void, LaunchFailure> launchToEnd(const CommandLine &command)
{
    constexpr int patience = 60000; // milliseconds; a generator that takes longer has hung
    auto started = LaunchGenerator(command);
    if (!started)
        return Failure {started.failure()};
    GeneratorRun &run = *started;
    if (endSignalled(run, patience))
        run.collect();
    return {};
}
