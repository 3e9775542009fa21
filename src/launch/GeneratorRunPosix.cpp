// SPDX-License-Identifier: MIT
#include "GeneratorRun.h"

#include <cerrno>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

} // namespace

void GeneratorRun::release()
{
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
