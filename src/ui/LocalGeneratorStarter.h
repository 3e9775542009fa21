// SPDX-License-Identifier: MIT
#pragma once

#include "GeneratorRun.h"
#include "GeneratorStarter.h"

#include <QtGlobal>
#if defined(Q_OS_WIN)
#include <QWinEventNotifier>
#else
#include <QSocketNotifier>
#endif

#include <cstddef>
#include <list>
#include <memory>

// Starts the generator on this machine and watches each one from the event loop: its
// process descriptor turns readable (its process handle signalled, on Windows) when it
// ends, so no thread waits and no timer polls.
// Once the application is about to quit, generators still running are let go unreported.
class LocalGeneratorStarter : public GeneratorStarter
{
    Q_OBJECT

public:
    LocalGeneratorStarter();
    ~LocalGeneratorStarter() override;

    Result<void, LaunchFailure> start(const CommandLine &command) override;

    // Generators started whose end has not been reported yet.
    std::size_t unreported() const { return m_watched.size() + m_endsQueued; }

private:
#if defined(Q_OS_WIN)
    using EndNotifier = QWinEventNotifier;
#else
    using EndNotifier = QSocketNotifier;
#endif

    struct Watched
    {
        GeneratorRun run;
        std::unique_ptr<EndNotifier> notifier;
    };

    void collectEndedMeanwhile();
    void collect(const EndNotifier *notifier);
    std::list<Watched>::iterator forget(std::list<Watched>::iterator watched);
    void letGo();

    std::list<Watched> m_watched;
    std::size_t m_endsQueued = 0;
};
