// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"

#include <optional>
#include <string>

struct LaunchFailure
{
    enum class Kind {
        NoSuchFile, // nothing at the program path
        NotPermitted, // not executable, or permission denied
        NotRunnable, // a file, but not a program this system can run
        Other,
    };

    Kind kind;
    std::string program; // the program path, as given
    std::string reason; // the operating system's description

    // A sentence for the user that names the program path and the reason.
    std::string message() const;
};

// Starts the command line's program with its argument list, without a shell and without
// waiting for it. The program inherits the working folder and the standard streams, but
// no other open file, and never remains a zombie of the caller.
std::optional<LaunchFailure> LaunchGenerator(const CommandLine &command);
