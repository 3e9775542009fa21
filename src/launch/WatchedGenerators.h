// SPDX-License-Identifier: MIT
#pragma once

#include "EventLoop.h"
#include "GeneratorRun.h"
#include "GeneratorStarter.h"

#include <cstddef>
#include <list>
#include <memory>

// Starts the generator on this machine and watches each one through the event loop until
// it ends. Destroying this lets go of generators still running: they run on, unreported.
class WatchedGenerators : public GeneratorStarter
{
public:
    explicit WatchedGenerators(EventLoop &loop);
    ~WatchedGenerators() override;
    WatchedGenerators(const WatchedGenerators &) = delete;
    WatchedGenerators &operator=(const WatchedGenerators &) = delete;

    Result<void, LaunchFailure> start(const CommandLine &command) override;

    // Generators started whose end has not been reported yet.
    std::size_t unreported() const { return m_runs.size() + m_endsQueued; }

    // Lets go of every generator still running, as at the program's end.
    void letGo();

private:
    void collectEndedMeanwhile();
    void collect(GeneratorRun::EndHandle handle);

    EventLoop &m_loop;
    std::list<GeneratorRun> m_runs;
    std::size_t m_endsQueued = 0;
    // Tasks posted to the loop may come after this object is gone; they check this first.
    std::shared_ptr<WatchedGenerators *> m_self;
};
