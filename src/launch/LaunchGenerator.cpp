// SPDX-License-Identifier: MIT
#include "LaunchGenerator.h"

#include "ProgramFile.h"

#include <utility>

namespace {

// What the user can do about a failed start differs by kind, so each kind gets its own words.
std::string kindText(const LaunchFailure &failure)
{
    switch (failure.kind) {
    case LaunchFailure::Kind::NoSuchFile:
        return ": there is no such file";
    case LaunchFailure::Kind::NotPermitted:
        return ": it is not executable, or permission was denied";
    case LaunchFailure::Kind::NotRunnable:
        return ": it is not a program this system can run";
    case LaunchFailure::Kind::Folder:
        return ": it is a folder, not a program";
    case LaunchFailure::Kind::NoInterpreter:
        return ": its first line names the interpreter " + failure.interpreter
            + ", which is missing";
    case LaunchFailure::Kind::NeedsWine:
        return ": it is a Windows program, and Wine is needed to run it";
    case LaunchFailure::Kind::Other:
        break;
    }
    return "";
}

// The path after "#!", up to the first blank; empty when the file is no such script.
std::string interpreterOf(const std::string &program)
{
    const std::string line = firstLineOf(program);
    if (line.rfind("#!", 0) != 0)
        return {};
    const std::size_t start = line.find_first_not_of(" \t", 2);
    if (start == std::string::npos)
        return {};
    return line.substr(start, line.find_first_of(" \t\r", start) - start);
}

} // namespace

std::string LaunchFailure::message() const
{
    return "Cannot start " + program + kindText(*this) + " (" + reason + ").";
}

LaunchFailure startFailure(LaunchFailure::Kind kind, const std::string &program, std::string reason)
{
    LaunchFailure failure {kind, program, std::move(reason)};
    if (kind != LaunchFailure::Kind::NoSuchFile && isFolder(program)) {
        failure.kind = LaunchFailure::Kind::Folder;
    } else if (kind == LaunchFailure::Kind::NotRunnable) {
        std::string interpreter = interpreterOf(program);
        if (!interpreter.empty() && !fileExists(interpreter)) {
            failure.kind = LaunchFailure::Kind::NoInterpreter;
            failure.interpreter = std::move(interpreter);
        }
    }
    return failure;
}
