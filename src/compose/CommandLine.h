// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The generator's command line, kept twice by the same steps: as the unquoted text that
// is shown to the user, and as the program path with its argument list that is started.
class CommandLine
{
public:
    // The base command: the program path followed by one blank, with no arguments.
    explicit CommandLine(std::string programPath);

    // Appends an option text such as " -r  -9 " verbatim; each of its blank-separated
    // words becomes one argument.
    void appendOption(std::string_view optionText);

    // Appends `argument` verbatim as exactly one argument, whatever it holds.
    void appendArgument(std::string_view argument);

    const std::string &text() const { return m_text; }
    const std::string &program() const { return m_program; }
    const std::vector<std::string> &arguments() const { return m_arguments; }

    friend bool operator==(const CommandLine &, const CommandLine &) = default;

private:
    std::string m_program;
    std::string m_text;
    std::vector<std::string> m_arguments;
};
