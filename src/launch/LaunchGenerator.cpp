// SPDX-License-Identifier: MIT
#include "LaunchGenerator.h"

namespace {

// What the user can do about a failed start differs by kind, so each kind gets its own words.
const char *kindText(LaunchFailure::Kind kind)
{
    switch (kind) {
    case LaunchFailure::Kind::NoSuchFile:
        return ": there is no such file";
    case LaunchFailure::Kind::NotPermitted:
        return ": it is not executable, or permission was denied";
    case LaunchFailure::Kind::NotRunnable:
        return ": it is not a program this system can run";
    case LaunchFailure::Kind::Other:
        break;
    }
    return "";
}

} // namespace

std::string LaunchFailure::message() const
{
    return "Cannot start " + program + kindText(kind) + " (" + reason + ").";
}
