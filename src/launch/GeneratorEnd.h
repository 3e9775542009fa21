// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

// How a started generator ended, with the end of what it wrote to its standard error.
struct GeneratorEnd
{
    enum class How {
        Exited, // `number` is its exit status
        Killed, // `number` is the signal that ended it
    };

    // Only this much of the error output is kept: the generator's last words say what went
    // wrong, and its chatter before them must not fill the memory.
    static constexpr std::size_t keptErrorOutput = 4096;

    std::string program; // the program path, as started
    How how = How::Exited;
    long long number = 0;
    std::string errorTail; // at most keptErrorOutput bytes, the last ones

    bool failed() const { return how == How::Killed || number != 0; }
    // "exit status 2", or "signal 9 (Killed)".
    std::string status() const;
    // A sentence for the user: the program path, the status, and whether the error output
    // that errorOutput() gives follows.
    std::string summary() const;
    // The error output as shown below the summary: without its closing line breaks, and
    // empty when it holds nothing but blanks.
    std::string errorOutput() const;
};
