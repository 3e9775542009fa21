// SPDX-License-Identifier: MIT
// Composes arbitrary control values onto a base command and checks the outcome against
// the composition's rules, step by step: the shown line and the argument list are both
// rebuilt from the expected option texts and number texts and must match exactly; a
// number beyond a double's range must leave the command and the flag untouched.
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

// Written to the flag before each run, so that a failed run that touches it shows.
constexpr std::int16_t untouchedFlag = 7;

using ControlField = std::int16_t BuildInputs::*;

constexpr std::array controlFields {
    &BuildInputs::optLeft90, &BuildInputs::optRight90, &BuildInputs::opt180l,
    &BuildInputs::opt180r,   &BuildInputs::optSlideL,  &BuildInputs::optSlideR,
    &BuildInputs::optLleft,  &BuildInputs::optLright,  &BuildInputs::optBank,
    &BuildInputs::optTwist,  &BuildInputs::optDip,     &BuildInputs::chkHump,
    &BuildInputs::chkRise,   &BuildInputs::optNor,     &BuildInputs::optDbl,
    &BuildInputs::optNar,    &BuildInputs::optSpr,     &BuildInputs::chkTex,
    &BuildInputs::lstTex,    &BuildInputs::chkSurface, &BuildInputs::cboSur,
    &BuildInputs::chkFlat,
};

constexpr std::array textFields {
    &BuildInputs::txtTurn, &BuildInputs::txtLTurn, &BuildInputs::txtBank, &BuildInputs::txtHump,
    &BuildInputs::txtRise, &BuildInputs::txtLen,   &BuildInputs::Dir1,    &BuildInputs::txtOutFile,
};

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
    for (std::size_t i = 0; i < controlFields.size(); ++i)
        inputs.*controlFields[i] =
            i < controls.size() ? controlValue(static_cast<unsigned char>(controls[i])) : 0;
    for (std::size_t i = 0; i + 1 < textFields.size(); ++i)
        inputs.*textFields[i] = std::string(takeLine(data));
    inputs.*textFields.back() = std::string(data);
    return inputs;
}

bool chosen(std::int16_t option)
{
    return option == -1;
}

bool checked(std::int16_t check)
{
    return check == 1;
}

// An option text with the number text that follows it, if its step has one.
struct Piece
{
    std::string_view optionText;
    std::optional<std::string> numberText;
};

// What the composition must do: append `pieces` and set `turnInEffect`, or, when a number
// it reads lies beyond a double's range, refuse with one of `unreadable`.
struct Outcome
{
    std::vector<Piece> pieces;
    std::int16_t turnInEffect = 0;
    std::vector<NumberField> unreadable;
};

struct SegmentRow
{
    ControlField option;
    std::string_view optionText;
    bool loop;
    std::int16_t turnInEffect;
};

constexpr std::array<SegmentRow, 8> segmentRows {{
    {&BuildInputs::optLeft90, " -l -9 ", false, 1},
    {&BuildInputs::optRight90, " -r  -9 ", false, 1},
    {&BuildInputs::opt180l, " -l -U ", false, 1},
    {&BuildInputs::opt180r, " -r -U ", false, 1},
    {&BuildInputs::optSlideL, " -l -S ", false, 0},
    {&BuildInputs::optSlideR, " -r -S ", false, 0},
    {&BuildInputs::optLleft, " -l -O ", true, 1},
    {&BuildInputs::optLright, " -r -O ", true, 1},
}};

struct PlainRow
{
    ControlField option;
    std::string_view optionText;
};

constexpr std::array<PlainRow, 3> twistRows {{
    {&BuildInputs::optBank, " -b "},
    {&BuildInputs::optTwist, " -t "},
    {&BuildInputs::optDip, " -d "},
}};

constexpr std::array<PlainRow, 4> widthRows {{
    {&BuildInputs::optNor, ""},
    {&BuildInputs::optDbl, " -w "},
    {&BuildInputs::optNar, " -n "},
    {&BuildInputs::optSpr, " -s "},
}};

template<typename Row, std::size_t count>
const Row *firstChosen(const BuildInputs &inputs, const std::array<Row, count> &rows)
{
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const Row &r) { return chosen(inputs.*r.option); });
    return row == rows.end() ? nullptr : &*row;
}

// A number box counts only where its number can change the line: a box that the chosen
// options leave out must never stop the composition.
class Expectation
{
public:
    explicit Expectation(const BuildInputs &inputs) : m_inputs(inputs) { }

    Outcome outcome()
    {
        if (segment() && twist() && hump() && rise() && length()) {
            width();
            listIndex(m_inputs.chkTex, " -m ", m_inputs.lstTex);
            listIndex(m_inputs.chkSurface, " -p ", m_inputs.cboSur);
            if (checked(m_inputs.chkFlat))
                m_outcome.pieces.push_back({" -f ", std::nullopt});
            m_outcome.pieces.push_back(
                {" -o ", m_inputs.Dir1 + nativeSeparator + m_inputs.txtOutFile});
        }
        return m_outcome;
    }

private:
    std::optional<double> number(NumberField field, const std::string &text)
    {
        const std::optional<double> value = readNumber(text);
        if (!value)
            m_outcome.unreadable.push_back(field);
        return value;
    }

    void append(std::string_view optionText, double value)
    {
        m_outcome.pieces.push_back({optionText, writeNumber(value)});
    }

    bool segment()
    {
        const SegmentRow *row = firstChosen(m_inputs, segmentRows);
        if (row == nullptr)
            return true;
        const std::optional<double> turn = number(NumberField::txtTurn, m_inputs.txtTurn);
        if (!turn)
            return false;
        if (*turn == 0)
            return true;
        const std::optional<double> value =
            row->loop ? number(NumberField::txtLTurn, m_inputs.txtLTurn) : turn;
        if (!value)
            return false;
        append(row->optionText, *value);
        m_outcome.turnInEffect = row->turnInEffect;
        return true;
    }

    bool twist()
    {
        const PlainRow *row = firstChosen(m_inputs, twistRows);
        if (m_outcome.turnInEffect == 0 || row == nullptr)
            return true;
        const std::optional<double> bank = number(NumberField::txtBank, m_inputs.txtBank);
        if (bank && *bank != 0)
            append(row->optionText, *bank);
        return bank.has_value();
    }

    bool hump()
    {
        if (!checked(m_inputs.chkHump))
            return true;
        const std::optional<double> hump = number(NumberField::txtHump, m_inputs.txtHump);
        if (hump)
            append(" -c ", *hump);
        return hump.has_value();
    }

    bool rise()
    {
        if (!checked(m_inputs.chkRise))
            return true;
        const std::optional<double> rise = number(NumberField::txtRise, m_inputs.txtRise);
        if (rise && *rise != 0)
            append(" -h ", *rise);
        return rise.has_value();
    }

    bool length()
    {
        if (m_outcome.turnInEffect != 0)
            return true;
        const std::optional<double> length = number(NumberField::txtLen, m_inputs.txtLen);
        if (length && *length != 0)
            append(" -x ", *length);
        return length.has_value();
    }

    void width()
    {
        const PlainRow *row = firstChosen(m_inputs, widthRows);
        if (row != nullptr && !row->optionText.empty())
            m_outcome.pieces.push_back({row->optionText, std::nullopt});
    }

    void listIndex(std::int16_t check, std::string_view optionText, std::int16_t index)
    {
        if (checked(check))
            m_outcome.pieces.push_back({optionText, std::to_string(index)});
    }

    const BuildInputs &m_inputs;
    Outcome m_outcome;
};

// The words of an option text; the empty words between two blanks are no arguments.
void appendWords(std::string_view optionText, std::vector<std::string> &words)
{
    std::size_t start = optionText.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = optionText.find(' ', start);
        words.emplace_back(optionText.substr(start, end - start));
        start = optionText.find_first_not_of(' ', end);
    }
}

[[noreturn]] void fail(const char *what, const CommandLine &actual, std::string_view expected)
{
    std::fprintf(stderr, "%s\n  shown:    \"%s\"\n  expected: \"%.*s\"\n  arguments:", what,
                 actual.text().c_str(), static_cast<int>(expected.size()), expected.data());
    for (const std::string &argument : actual.arguments())
        std::fprintf(stderr, " [%s]", argument.c_str());
    std::fputc('\n', stderr);
    std::abort();
}

void checkComposed(const CommandLine &base, const CommandLine &composed, std::int16_t flag,
                   const Outcome &expected)
{
    std::string text = base.text();
    std::vector<std::string> arguments;
    for (const Piece &piece : expected.pieces) {
        text += piece.optionText;
        appendWords(piece.optionText, arguments);
        if (piece.numberText) {
            text += *piece.numberText;
            arguments.push_back(*piece.numberText);
        }
    }
    if (!composed.text().starts_with(base.text()))
        fail("the line does not begin with the command it was given", composed, text);
    if (composed.text() != text)
        fail("the line is not the expected option texts and number texts", composed, text);
    if (composed.program() != base.program() || composed.arguments() != arguments)
        fail("the argument list does not match the words of the line", composed, text);
    if (flag != expected.turnInEffect)
        fail("the turn-in-effect flag is wrong", composed, text);
}

void checkRefused(const CommandLine &base, const CommandLine &after, std::int16_t flag,
                  NumberField reported, const Outcome &expected)
{
    if (expected.unreadable.empty())
        fail("refused although every number it needs is in range", after, base.text());
    if (std::find(expected.unreadable.begin(), expected.unreadable.end(), reported)
        == expected.unreadable.end())
        fail("refused naming a field that is not a needed number beyond range", after, base.text());
    if (!(after == base) || flag != untouchedFlag)
        fail("a refused composition changed the command or the flag", after, base.text());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const BuildInputs inputs =
        decodeInputs(std::string_view(reinterpret_cast<const char *>(data), size));
    const Outcome expected = Expectation(inputs).outcome();

    const CommandLine base(programPath);
    CommandLine command = base;
    std::int16_t flag = untouchedFlag;
    if (const std::optional<NumberField> refused = ComposeCommand(inputs, command, flag))
        checkRefused(base, command, flag, *refused, expected);
    else if (!expected.unreadable.empty())
        fail("composed although a number it needs is beyond a double's range", command, "");
    else
        checkComposed(base, command, flag, expected);
    return 0;
}
