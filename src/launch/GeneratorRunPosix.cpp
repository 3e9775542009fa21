// SPDX-License-Identifier: MIT
#include "GeneratorRun.h"

#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int none = -1;

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

GeneratorRun::GeneratorRun(std::string program, long long process, EndHandle end,
                           EndHandle errorOutput)
    : m_program(std::move(program)), m_process(process), m_end(end), m_errorOutput(errorOutput)
{ }

GeneratorRun::GeneratorRun(GeneratorRun &&other) noexcept
    : m_program(std::move(other.m_program)), m_process(std::exchange(other.m_process, 0)),
      m_end(std::exchange(other.m_end, none)),
      m_errorOutput(std::exchange(other.m_errorOutput, none))
{ }

GeneratorRun &GeneratorRun::operator=(GeneratorRun &&other) noexcept
{
    if (this != &other) {
        release();
        m_program = std::move(other.m_program);
        m_process = std::exchange(other.m_process, 0);
        m_end = std::exchange(other.m_end, none);
        m_errorOutput = std::exchange(other.m_errorOutput, none);
    }
    return *this;
}

GeneratorRun::~GeneratorRun()
{
    release();
}

void GeneratorRun::release()
{
    if (m_end != none)
        close(m_end);
    if (m_errorOutput != none)
        close(m_errorOutput);
    m_end = m_errorOutput = none;
}

std::optional<GeneratorEnd> GeneratorRun::collect()
{
    if (m_end == none)
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

bool GeneratorRun::watching() const
{
    return m_end != none;
}
