// SPDX-License-Identifier: MIT
// How much memory a generator's error output takes while it runs: a generator writes
// MIB mebibytes (1024 unless given) to its standard error while this program samples, about
// every millisecond, the blocks of the memory file behind it and the system's Shmem.
#include "LaunchGenerator.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr double kib = 1024.0;

// Shmem in /proc/meminfo, in KiB: the memory file is counted there.
long long sharedMemory()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string name;
    long long value = 0;
    std::string unit;
    while (meminfo >> name >> value >> unit) {
        if (name == "Shmem:")
            return value;
    }
    return 0;
}

bool writeText(const std::string &path, const std::string &text)
{
    std::ofstream file(path, std::ios::binary);
    return bool(file << text);
}

} // namespace

int main(int argc, char **argv)
{
    const long long mebibytes = argc > 1 ? std::atoll(argv[1]) : 1024;
    if (mebibytes <= 0) {
        std::fprintf(stderr, "usage: %s [MIB]\n", argv[0]);
        return 2;
    }
    char folderTemplate[] = "/tmp/bench-error-output-XXXXXX";
    const char *folder = mkdtemp(folderTemplate);
    if (folder == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string script = std::string(folder) + "/generator";
    const std::string go = std::string(folder) + "/go";
    // It waits for "go", so that the memory file is watched before the first byte.
    if (!writeText(script,
                   "#!/bin/sh\nread line < \"$1\"\ndd if=/dev/zero bs=1048576 count="
                       + std::to_string(mebibytes)
                       + " status=none >&2\necho 'the end' >&2\nexit 3\n")
        || chmod(script.c_str(), 0700) != 0 || mkfifo(go.c_str(), 0600) != 0) {
        std::perror("preparing the generator");
        return 1;
    }

    CommandLine command(script);
    command.appendArgument(go);
    auto run = LaunchGenerator(command);
    if (!run) {
        std::fprintf(stderr, "%s\n", run.failure().message().c_str());
        return 1;
    }
    const std::string errorOutput = "/proc/" + std::to_string(run->process()) + "/fd/2";
    const int memoryFile = open(errorOutput.c_str(), O_RDONLY | O_CLOEXEC);
    if (memoryFile < 0) {
        std::perror(errorOutput.c_str());
        return 1;
    }
    const long long shmemBefore = sharedMemory();
    const int goFile = open(go.c_str(), O_WRONLY | O_CLOEXEC);
    if (goFile < 0 || write(goFile, "go\n", 3) != 3) {
        std::perror(go.c_str());
        return 1;
    }
    close(goFile);

    const auto start = std::chrono::steady_clock::now();
    long long peakBlocks = 0;
    long long peakShmem = shmemBefore;
    long long samples = 0;
    pollfd end {run->endHandle(), POLLIN, 0};
    for (;;) {
        struct stat status = {};
        if (fstat(memoryFile, &status) == 0)
            peakBlocks = std::max(peakBlocks, static_cast<long long>(status.st_blocks));
        peakShmem = std::max(peakShmem, sharedMemory());
        ++samples;
        const int ready = poll(&end, 1, 1);
        if (ready == 1)
            break;
        if (ready < 0 && errno != EINTR) {
            std::perror("poll");
            return 1;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    struct stat atEnd = {};
    fstat(memoryFile, &atEnd);
    close(memoryFile);
    const auto ended = run->collect();
    unlink(go.c_str());
    unlink(script.c_str());
    rmdir(folder);
    if (!ended || ended->number != 3 || !ended->errorTail.ends_with("the end\n")) {
        std::fprintf(stderr, "the generator did not end as written: %s\n",
                     ended ? ended->summary().c_str() : "no end collected");
        return 1;
    }

    const double written = double(mebibytes) * kib * kib;
    const double peak = double(peakBlocks) * 512;
    std::printf("A generator wrote %lld MiB to its standard error in %.2f s (%.2f GiB/s).\n",
                mebibytes, took.count(), written / kib / kib / kib / took.count());
    std::printf("  memory file, peak of %lld samples: %10.0f KiB  (%.4f of what was written)\n",
                samples, peak / kib, peak / written);
    std::printf("  memory file when it ended:          %10.0f KiB\n",
                double(atEnd.st_blocks) * 512 / kib);
    std::printf("  Shmem, peak rise (whole system):    %10lld KiB\n", peakShmem - shmemBefore);
    return 0;
}
