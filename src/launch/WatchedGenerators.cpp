// SPDX-License-Identifier: MIT
#include "WatchedGenerators.h"

#include <algorithm>
#include <optional>
#include <utility>

WatchedGenerators::WatchedGenerators(EventLoop &loop)
    : m_loop(loop), m_self(std::make_shared<WatchedGenerators *>(this))
{ }

WatchedGenerators::~WatchedGenerators()
{
    letGo();
}

Result<void, LaunchFailure> WatchedGenerators::start(const CommandLine &command)
{
    collectEndedMeanwhile();
    auto started = LaunchGenerator(command);
    if (!started)
        return Failure {started.failure()};
    const GeneratorRun::EndHandle handle = started->endHandle();
    m_runs.push_back(*std::move(started));
    m_loop.watch(handle, [this, handle] { collect(handle); });
    return {};
}

void WatchedGenerators::letGo()
{
    for (const GeneratorRun &run : m_runs)
        m_loop.stopWatching(run.endHandle());
    m_runs.clear();
}

// Starts made while the event loop waits, as from code or a held key, would otherwise keep
// two handles for each generator that has long ended. Their ends are still reported from
// the event loop.
void WatchedGenerators::collectEndedMeanwhile()
{
    for (auto run = m_runs.begin(); run != m_runs.end();) {
        const GeneratorRun::EndHandle handle = run->endHandle();
        std::optional<GeneratorEnd> end = run->collect();
        if (run->watching()) {
            ++run;
            continue;
        }
        m_loop.stopWatching(handle);
        run = m_runs.erase(run);
        if (!end)
            continue;
        ++m_endsQueued;
        m_loop.post([self = std::weak_ptr(m_self), end = std::move(*end)] {
            if (const auto alive = self.lock()) {
                --(*alive)->m_endsQueued;
                (*alive)->reportEnd(end);
            }
        });
    }
}

void WatchedGenerators::collect(GeneratorRun::EndHandle handle)
{
    const auto run = std::find_if(m_runs.begin(), m_runs.end(), [handle](const GeneratorRun &run) {
        return run.endHandle() == handle;
    });
    if (run == m_runs.end())
        return;
    const std::optional<GeneratorEnd> end = run->collect();
    if (run->watching())
        return;
    m_loop.stopWatching(handle);
    m_runs.erase(run);
    if (end)
        reportEnd(*end);
}
