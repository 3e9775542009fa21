// SPDX-License-Identifier: MIT
#include "ErrorOutputTrimmer.h"
#include "GeneratorRun.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <system_error>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

static_assert(GeneratorEnd::keptErrorOutput <= ErrorOutputTrimmer::kept);

namespace {

// The file may have grown past what is kept; a character cut in two at the start is dropped.
std::string readTail(int file)
{
    struct stat status = {};
    if (fstat(file, &status) != 0 || status.st_size <= 0)
        return {};
    const off_t size = status.st_size;
    const off_t from = size > off_t(GeneratorEnd::keptErrorOutput)
        ? size - off_t(GeneratorEnd::keptErrorOutput)
        : 0;
    std::string tail(std::size_t(size - from), '\0');
    std::size_t got = 0;
    while (got < tail.size()) {
        const ssize_t n = pread(file, tail.data() + got, tail.size() - got, from + off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    tail.resize(got);
    std::size_t cut = 0;
    while (from > 0 && cut < 3 && cut < tail.size() && (tail[cut] & 0xC0) == 0x80)
        ++cut;
    return tail.substr(cut);
}

GeneratorEnd endOf(const siginfo_t &info)
{
    GeneratorEnd end;
    end.how = info.si_code == CLD_EXITED ? GeneratorEnd::How::Exited : GeneratorEnd::How::Killed;
    end.number = info.si_status;
    return end;
}

// Frees the pages before the memory file's last kept bytes. The file keeps its size, so the
// generator goes on writing where it was and the end is read where it always was.
ErrorOutputTrimmer::Trim trimmingOf(int file)
{
    const off_t page = off_t(sysconf(_SC_PAGESIZE));
    return [file, page, seen = off_t(0),
            freed = off_t(0)]() mutable -> std::optional<std::uint64_t> {
        struct stat status = {};
        if (fstat(file, &status) != 0)
            return std::nullopt;
        const off_t size = status.st_size;
        const std::uint64_t grown = size > seen ? std::uint64_t(size - seen) : 0;
        seen = size;
        freed = std::min(freed, size);
        const off_t keepFrom = (size - off_t(ErrorOutputTrimmer::kept)) / page * page;
        if (keepFrom > freed) {
            if (fallocate(file, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, freed, keepFrom - freed)
                != 0)
                return errno == EINTR ? std::optional(grown) : std::nullopt;
            freed = keepFrom;
        }
        return grown;
    };
}

} // namespace

std::unique_ptr<ErrorOutputTrimmer> GeneratorRun::trimmerOf(EndHandle errorOutput)
{
    if (errorOutput == noHandle)
        return nullptr;
    // The thread must not take signals meant for the caller's own threads.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    std::unique_ptr<ErrorOutputTrimmer> trimmer;
    try {
        trimmer = std::make_unique<ErrorOutputTrimmer>(trimmingOf(errorOutput));
    } catch (const std::system_error &) {
        // The run is watched as ever, its output only kept whole.
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return trimmer;
}

// The trimmer stops before the file is closed, lest it trim whatever gets the number next.
void GeneratorRun::release()
{
    m_trimmer.reset();
    if (m_end != noHandle)
        close(m_end);
    if (m_errorOutput != noHandle)
        close(m_errorOutput);
    m_end = m_errorOutput = noHandle;
}

std::optional<GeneratorEnd> GeneratorRun::collect()
{
    if (m_end == noHandle)
        return std::nullopt;
    siginfo_t info = {};
    // Only this process is waited for, so the ends of other children stay theirs to collect.
    while (waitid(P_PID, id_t(m_process), &info, WEXITED | WNOHANG) != 0) {
        // Someone else collected it: there is nothing left to watch or to report.
        if (errno != EINTR) {
            release();
            return std::nullopt;
        }
    }
    if (info.si_pid == 0)
        return std::nullopt;
    GeneratorEnd end = endOf(info);
    end.program = m_program;
    end.errorTail = readTail(m_errorOutput);
    release();
    return end;
}
