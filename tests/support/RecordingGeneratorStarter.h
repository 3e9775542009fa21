// SPDX-License-Identifier: MIT
#pragma once

#include "GeneratorStarter.h"

#include <optional>
#include <vector>

// Records each command line instead of starting it; `failure` makes every start fail, and
// `end` plays a generator's end as the event loop would report it.
class RecordingGeneratorStarter : public GeneratorStarter
{
public:
    Result<void, LaunchFailure> start(const CommandLine &command) override
    {
        m_started.push_back(command);
        if (failure)
            return Failure {*failure};
        return {};
    }

    const std::vector<CommandLine> &started() const { return m_started; }
    void end(const GeneratorEnd &how) const { reportEnd(how); }

    std::optional<LaunchFailure> failure;

private:
    std::vector<CommandLine> m_started;
};
