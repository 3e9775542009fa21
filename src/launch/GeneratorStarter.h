// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "GeneratorEnd.h"
#include "LaunchGenerator.h"
#include "Result.h"

#include <functional>
#include <utility>

// Starts the generator and tells how each one it started ended; window tests record what
// would be started instead.
class GeneratorStarter
{
public:
    using EndListener = std::function<void(const GeneratorEnd &)>;

    virtual ~GeneratorStarter() = default;

    virtual Result<void, LaunchFailure> start(const CommandLine &command) = 0;

    // Told of each end from the event loop, once each; an empty listener stops listening.
    void listen(EndListener listener) { m_listener = std::move(listener); }

protected:
    void reportEnd(const GeneratorEnd &end) const
    {
        if (m_listener)
            m_listener(end);
    }

private:
    EndListener m_listener;
};
