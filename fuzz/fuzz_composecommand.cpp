// SPDX-License-Identifier: MIT
// Composes arbitrary control values onto a base command and checks properties that hold
// whatever the options: the line begins with the command it was given; the argument list
// stands in the shown line in order, each argument after the one or two blanks the option
// texts write, and nothing after the last; the output path is always the last argument;
// and every refusal names a number box whose text the number reader rejects.
//
// Input: a first line of one byte per option, check and list field (in BuildInputs order;
// missing ones are 0), then one line per text field in BuildInputs order, the output name
// taking the rest, line feeds included.
#include "ComposeCommand.h"
#include "NativeSeparator.h"
#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string programPath = "/tools/lapforge.exe";

// Three bytes in four give the values the gates tell apart: '0', '1', '2' and '3' read as
// 0, 1, 2 and -1. The rest give list rows past those and values across the whole range.
std::int16_t controlValue(unsigned char byte)
{
    constexpr std::array<std::int16_t, 4> common {0, 1, 2, -1};
    if (byte < 0xC0)
        return common[byte % common.size()];
    if (byte < 0xE0)
        return static_cast<std::int16_t>(byte - 0xC0 + 3);
    if (byte == 0xFF)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::numeric_limits<std::int16_t>::min()
                                     + (byte - 0xE0) * 2048);
}

std::string_view takeLine(std::string_view &data)
{
    const std::size_t end = std::min(data.find('\n'), data.size());
    const std::string_view line = data.substr(0, end);
    data.remove_prefix(std::min(end + 1, data.size()));
    return line;
}

BuildInputs decodeInputs(std::string_view data)
{
    BuildInputs inputs;
    const std::string_view controls = takeLine(data);
    for (std::size_t i = 0; i < buildInputValues.size(); ++i)
        inputs.*buildInputValues[i].field =
            i < controls.size() ? controlValue(static_cast<unsigned char>(controls[i])) : 0;
    for (std::size_t i = 0; i + 1 < buildInputTexts.size(); ++i)
        inputs.*buildInputTexts[i].field = std::string(takeLine(data));
    inputs.*buildInputTexts.back().field = std::string(data);
    return inputs;
}

[[noreturn]] void fail(const char *what, const CommandLine &actual)
{
    std::fprintf(stderr, "%s\n  shown: \"%s\"\n  arguments:", what, actual.text().c_str());
    for (const std::string &argument : actual.arguments())
        std::fprintf(stderr, " [%s]", argument.c_str());
    std::fputc('\n', stderr);
    std::abort();
}

// Each argument follows one or two blanks: one after an option word or the base command,
// two where an option text begins with a blank of its own after another's trailing one.
bool argumentsStandInText(const CommandLine &base, const CommandLine &composed)
{
    const std::string &text = composed.text();
    std::size_t position = base.text().size() - 1;
    for (const std::string &argument : composed.arguments()) {
        bool found = false;
        for (std::size_t blanks = 1; blanks <= 2 && !found; ++blanks) {
            const std::size_t start = position + blanks;
            found = text.find_first_not_of(' ', position) >= start && start <= text.size()
                && std::string_view(text).substr(start).starts_with(argument);
            if (found)
                position = start + argument.size();
        }
        if (!found)
            return false;
    }
    return position == text.size();
}

void checkComposed(const BuildInputs &inputs, const CommandLine &base, const CommandLine &composed)
{
    if (!composed.text().starts_with(base.text()) || composed.program() != base.program())
        fail("the line does not begin with the command it was given", composed);
    if (!argumentsStandInText(base, composed))
        fail("the argument list does not stand in the line in order", composed);
    const std::vector<std::string> &arguments = composed.arguments();
    const std::string outputPath = inputs.Dir1 + nativeSeparator + inputs.txtOutFile;
    if (arguments.size() < 2 || arguments[arguments.size() - 2] != "-o"
        || arguments.back() != outputPath)
        fail("the output path is not the last argument", composed);
}

void checkRefused(const BuildInputs &inputs, const CommandLine &base, NumberField refused)
{
    const bool numberBox = refused != &BuildInputs::Dir1 && refused != &BuildInputs::txtOutFile;
    if (!numberBox || readNumber(inputs.*refused))
        fail("refused naming a box whose text reads as a number", base);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const BuildInputs inputs =
        decodeInputs(std::string_view(reinterpret_cast<const char *>(data), size));
    const CommandLine base(programPath);
    // The result is the whole line or only the refusal: no half-composed line can escape.
    const auto composed = ComposeCommand(inputs, base);
    if (composed)
        checkComposed(inputs, base, *composed);
    else
        checkRefused(inputs, base, composed.failure());
    return 0;
}
