// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// The one command-line text that a Windows program is started with, in UTF-8. The program
// splits it again by the C runtime's rules (CommandLineToArgvW's), which this quoting is
// made for, so each argument arrives exactly: blanks, quotes, backslashes, empty words.
// The program path is quoted without escapes, as Windows reads it; it cannot hold a quote.
std::string windowsCommandLine(const std::string &program,
                               const std::vector<std::string> &arguments);
