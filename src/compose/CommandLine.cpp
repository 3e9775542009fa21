// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <utility>

CommandLine::CommandLine(std::string programPath)
    : m_program(std::move(programPath)), m_text(m_program + ' ')
{ }

void CommandLine::appendOption(std::string_view optionText)
{
    m_text += optionText;
    std::size_t wordStart = optionText.find_first_not_of(' ');
    while (wordStart != std::string_view::npos) {
        const std::size_t wordEnd = optionText.find(' ', wordStart);
        m_arguments.emplace_back(optionText.substr(wordStart, wordEnd - wordStart));
        wordStart = optionText.find_first_not_of(' ', wordEnd);
    }
}

void CommandLine::appendArgument(std::string_view argument)
{
    m_text += argument;
    m_arguments.emplace_back(argument);
}
