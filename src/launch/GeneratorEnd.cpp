// SPDX-License-Identifier: MIT
#include "GeneratorEnd.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

std::string signalName(long long signal)
{
#if defined(_WIN32)
    (void)signal;
    return {};
#else
    const char *name = signal > 0 && signal < NSIG ? strsignal(int(signal)) : nullptr;
    return name ? " (" + std::string(name) + ")" : std::string();
#endif
}

// Windows tells a crash by an exit code such as 0xC0000005, known by its hexadecimal form.
std::string exitStatusText(long long number)
{
    if (number < 0x80000000LL || number > 0xFFFFFFFFLL)
        return std::to_string(number);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08llX", number);
    return text;
}

} // namespace

std::string GeneratorEnd::status() const
{
    if (how == How::Killed)
        return "signal " + std::to_string(number) + signalName(number);
    return "exit status " + exitStatusText(number);
}

std::string GeneratorEnd::summary() const
{
    const std::string ended = program + " ended with " + status();
    if (errorOutput().empty())
        return ended + " and wrote no error output.";
    return ended + ". The end of its error output:";
}

std::string GeneratorEnd::errorOutput() const
{
    if (errorTail.find_first_not_of(" \t\r\n") == std::string::npos)
        return {};
    std::string output = errorTail;
    while (output.back() == '\n' || output.back() == '\r')
        output.pop_back();
    return output;
}
