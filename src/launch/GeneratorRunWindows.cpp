// SPDX-License-Identifier: MIT
#include "ErrorOutputTrimmer.h"
#include "GeneratorRun.h"

#include "WindowsApi.h"

namespace {

// The file may have grown past what is kept; a character cut in two at the start is dropped.
std::string readTail(HANDLE file)
{
    LARGE_INTEGER size {};
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0)
        return {};
    const long long kept = static_cast<long long>(GeneratorEnd::keptErrorOutput);
    const long long from = size.QuadPart > kept ? size.QuadPart - kept : 0;
    std::string tail(std::size_t(size.QuadPart - from), '\0');
    std::size_t got = 0;
    while (got < tail.size()) {
        OVERLAPPED at {};
        const long long offset = from + static_cast<long long>(got);
        at.Offset = DWORD(offset & 0xFFFFFFFF);
        at.OffsetHigh = DWORD(offset >> 32);
        DWORD n = 0;
        if (!ReadFile(file, tail.data() + got, DWORD(tail.size() - got), &n, &at) || n == 0)
            break;
        got += n;
    }
    tail.resize(got);
    std::size_t cut = 0;
    while (from > 0 && cut < 3 && cut < tail.size() && (tail[cut] & 0xC0) == 0x80)
        ++cut;
    return tail.substr(cut);
}

} // namespace

// The temporary file is kept whole: freeing its start (a sparse file and FSCTL_SET_ZERO_DATA)
// could not be tried under Wine, which refuses that request.
std::unique_ptr<ErrorOutputTrimmer> GeneratorRun::trimmerOf(EndHandle)
{
    return nullptr;
}

void GeneratorRun::release()
{
    if (m_end)
        CloseHandle(m_end);
    if (m_errorOutput)
        CloseHandle(m_errorOutput);
    m_end = m_errorOutput = noHandle;
}

std::optional<GeneratorEnd> GeneratorRun::collect()
{
    if (!m_end || WaitForSingleObject(m_end, 0) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GeneratorEnd end;
    end.program = m_program;
    // A process has no signals here: one that crashed or was terminated ends with a code.
    end.number = GetExitCodeProcess(m_end, &code) ? static_cast<long long>(code) : -1;
    end.errorTail = readTail(m_errorOutput);
    release();
    return end;
}
