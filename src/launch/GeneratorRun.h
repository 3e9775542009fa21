// SPDX-License-Identifier: MIT
#pragma once

#include "GeneratorEnd.h"

#include <memory>
#include <optional>
#include <string>

class ErrorOutputTrimmer;

// A generator started by LaunchGenerator, watched until it ends. Its standard error
// goes to a file (in memory, or a temporary file on Windows) rather than a pipe: a generator
// that outlives the front end then goes on writing there instead of dying of a broken pipe.
// In memory, all but the file's last ErrorOutputTrimmer::kept bytes are freed while the run
// is watched, however much the generator writes.
class GeneratorRun
{
public:
#if defined(_WIN32)
    using EndHandle = void *; // the process handle, signalled when it has ended
    static constexpr EndHandle noHandle = nullptr;
#else
    using EndHandle = int; // a process descriptor, readable when it has ended
    static constexpr EndHandle noHandle = -1;
#endif

    GeneratorRun(std::string program, long long process, EndHandle end, EndHandle errorOutput);
    GeneratorRun(GeneratorRun &&other) noexcept;
    GeneratorRun &operator=(GeneratorRun &&other) noexcept;
    GeneratorRun(const GeneratorRun &) = delete;
    GeneratorRun &operator=(const GeneratorRun &) = delete;
    // Lets go of a generator still running: it keeps running and is not reported, and its
    // error output is no longer trimmed. Meant for the caller's own end, after which the
    // system collects the generator's end.
    ~GeneratorRun();

    const std::string &program() const
    {
        return m_program;
    }
    long long process() const
    {
        return m_process;
    }
    // For the caller's event loop; valid while watching().
    EndHandle endHandle() const
    {
        return m_end;
    }
    // False once the end was collected, or could no longer be.
    bool watching() const;

    // Never waits: nothing while the generator runs, else how it ended, once. Collecting
    // also releases the process, so no zombie remains.
    std::optional<GeneratorEnd> collect();

private:
    // None where the file is kept whole, or when no thread could be started for it.
    static std::unique_ptr<ErrorOutputTrimmer> trimmerOf(EndHandle errorOutput);
    void release();

    std::string m_program;
    long long m_process;
    EndHandle m_end;
    EndHandle m_errorOutput;
    std::unique_ptr<ErrorOutputTrimmer> m_trimmer;
};
