// SPDX-License-Identifier: MIT
#include "GeneratorEnd.h"

#include <cstring>

namespace {

std::string signalName(long long signal)
{
#if defined(_WIN32)
    (void)signal;
    return {};
#else
    const char *name = signal > 0 && signal < 128 ? strsignal(int(signal)) : nullptr;
    return name ? " (" + std::string(name) + ")" : std::string();
#endif
}

} // namespace

std::string GeneratorEnd::status() const
{
    if (how == How::Killed)
        return "signal " + std::to_string(number) + signalName(number);
    return "exit status " + std::to_string(number);
}

std::string GeneratorEnd::message() const
{
    std::string text = program + " ended with " + status();
    if (errorTail.find_first_not_of(" \t\r\n") == std::string::npos)
        return text + " and wrote no error output.";
    text += ". The end of its error output:\n\n" + errorTail;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}
