// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "LaunchGenerator.h"

#include <optional>

// Starts the generator; window tests record what would be started instead.
class GeneratorStarter
{
public:
    virtual ~GeneratorStarter() = default;

    virtual std::optional<LaunchFailure> start(const CommandLine &command) = 0;
};
