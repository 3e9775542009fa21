// SPDX-License-Identifier: MIT
#include "PollingEventLoop.h"
#include "TestFiles.h"
#include "WatchedGenerators.h"

#include <doctest/doctest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// The generators' ends as the listener hears them, in order.
struct Watching
{
    Watching()
    {
        generators->listen([this](const GeneratorEnd &end) { ends.push_back(end); });
    }

    // The stand-in, which ends with status 0 for a good line and 2 for a refused one.
    void start(bool good) const
    {
        const CommandLine command = good ? commandOf(STANDIN_PATH, {"-o", folder.filePath("out")})
                                         : commandOf(STANDIN_PATH, {"-q"});
        REQUIRE(generators->start(command));
    }

    TemporaryFolder folder;
    PollingEventLoop loop;
    std::unique_ptr<WatchedGenerators> generators = std::make_unique<WatchedGenerators>(loop);
    std::vector<GeneratorEnd> ends;
};

} // namespace

TEST_CASE("each generator's end is reported once, from the event loop")
{
    Watching watching;
    watching.start(true);
    watching.start(false);
    watching.start(true);
    CHECK(watching.generators->unreported() == 3);

    REQUIRE(watching.loop.runUntil([&] { return watching.generators->unreported() == 0; }));

    REQUIRE(watching.ends.size() == 3);
    int failed = 0;
    for (const GeneratorEnd &end : watching.ends) {
        CHECK(end.program == STANDIN_PATH);
        if (end.failed()) {
            ++failed;
            CHECK(end.number == 2);
        }
    }
    CHECK(failed == 1);
    CHECK(watching.loop.watched() == 0);
}

TEST_CASE("an end found at the next start is still reported from the event loop, once")
{
    Watching watching;
    watching.start(false);
    REQUIRE(eventually([&] { return watching.loop.ready() == 1; }));

    watching.start(true);

    // The first end was collected by the start, so its handle is no longer watched.
    CHECK(watching.loop.watched() == 1);
    CHECK(watching.generators->unreported() == 2);
    CHECK(watching.ends.empty());
    REQUIRE(watching.loop.runUntil([&] { return watching.generators->unreported() == 0; }));
    REQUIRE(watching.ends.size() == 2);
    CHECK(watching.ends[0].failed() != watching.ends[1].failed());
}

TEST_CASE("generators let go are no longer watched, and their ends are not reported")
{
    Watching watching;
    watching.start(false);
    watching.start(false);
    // The second start may already have collected the first end: wait for what is watched.
    REQUIRE(eventually([&] { return watching.loop.ready() == watching.loop.watched(); }));
    watching.start(true);
    watching.generators.reset();

    // The ends the starts found were posted before the let-go: they stay unsaid.
    CHECK(watching.loop.watched() == 0);
    int turns = 0;
    REQUIRE(watching.loop.runUntil([&] { return ++turns > 20; }));
    CHECK(watching.ends.empty());
}
