// SPDX-License-Identifier: MIT
#include "WindowsCommandLine.h"

namespace {

// Inside quotes, backslashes are literal unless a quote follows them: before an inner
// quote and before the closing quote each must be doubled. Quotes and backslashes are
// ASCII, so working on UTF-8 bytes leaves every other character as it is.
void appendQuoted(std::string &line, const std::string &argument)
{
    line += " \"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, '\\');
    line += '"';
}

} // namespace

std::string windowsCommandLine(const std::string &program,
                               const std::vector<std::string> &arguments)
{
    std::string line = '"' + program + '"';
    for (const std::string &argument : arguments)
        appendQuoted(line, argument);
    return line;
}
