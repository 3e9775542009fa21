// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <variant>

std::optional<LaunchFailure> launchToEnd(const CommandLine &command)
{
    constexpr int patience = 60000; // milliseconds; a generator that takes longer has hung
    auto started = LaunchGenerator(command);
    if (const LaunchFailure *failure = std::get_if<LaunchFailure>(&started))
        return *failure;
    GeneratorRun &run = std::get<GeneratorRun>(started);
    if (endSignalled(run, patience))
        run.collect();
    return std::nullopt;
}
