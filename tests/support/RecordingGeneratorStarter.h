// SPDX-License-Identifier: MIT
#pragma once

#include "GeneratorStarter.h"

#include <optional>
#include <vector>

// Records each command line instead of starting it; `failure` makes every start fail.
class RecordingGeneratorStarter : public GeneratorStarter
{
public:
    std::optional<LaunchFailure> start(const CommandLine &command) override
    {
        m_started.push_back(command);
        return failure;
    }

    const std::vector<CommandLine> &started() const { return m_started; }

    std::optional<LaunchFailure> failure;

private:
    std::vector<CommandLine> m_started;
};
