// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "GeneratorRun.h"
#include "Result.h"

#include <string>

struct LaunchFailure
{
    enum class Kind {
        NoSuchFile, // nothing at the program path
        NotPermitted, // not executable, or permission denied
        NotRunnable, // a file, but not a program this system can run
        Folder, // a folder carries the program's name
        NoInterpreter, // the interpreter that the script's "#!" line names is missing
        NeedsWine, // a Windows program, and no Wine on PATH to run it
        Other,
    };

    Kind kind;
    std::string program; // the program path, as given
    std::string reason; // the operating system's description
    std::string interpreter = {}; // for NoInterpreter: the path that the "#!" line names

    // A sentence for the user that names the program path and the reason.
    std::string message() const;
};

// The failure of `kind` that starting `program` met, made more precise where the system's
// error hides the cause: a folder, or a script whose interpreter is missing.
LaunchFailure startFailure(LaunchFailure::Kind kind, const std::string &program,
                           std::string reason);

// Starts the command line's program with its argument list, without a shell and without
// waiting for it. The program path is used as given, never looked up in PATH, and a file
// that is not a program is reported rather than handed to a shell. The program inherits
// the working folder, the environment, standard input and output, but no other open file
// and none of the caller's ignored or blocked signals. It runs in a session of its own, out
// of reach of the caller's terminal, and its standard error goes to memory, so that how it
// ended can be told once it has. A Windows program is started through Wine where the
// system cannot run it itself. Returns the running program, else why it could not be started.
Result<GeneratorRun, LaunchFailure> LaunchGenerator(const CommandLine &command);
