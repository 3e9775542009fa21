// SPDX-License-Identifier: MIT
#include "ComposeCommand.h"

#include "NativeSeparator.h"
#include "NumberText.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

using OptionField = std::int16_t BuildInputs::*;

struct SegmentRow
{
    OptionField option;
    std::string_view optionText;
    NumberField number;
    std::int16_t turnInEffect;
};

// Tested in this order; a segment option wins over a loop direction chosen with it.
constexpr std::array segmentRows {
    SegmentRow {&BuildInputs::optLeft90, " -l -9 ", &BuildInputs::txtTurn, 1},
    SegmentRow {&BuildInputs::optRight90, " -r  -9 ", &BuildInputs::txtTurn, 1},
    SegmentRow {&BuildInputs::opt180l, " -l -U ", &BuildInputs::txtTurn, 1},
    SegmentRow {&BuildInputs::opt180r, " -r -U ", &BuildInputs::txtTurn, 1},
    SegmentRow {&BuildInputs::optSlideL, " -l -S ", &BuildInputs::txtTurn, 0},
    SegmentRow {&BuildInputs::optSlideR, " -r -S ", &BuildInputs::txtTurn, 0},
    SegmentRow {&BuildInputs::optLleft, " -l -O ", &BuildInputs::txtLTurn, 1},
    SegmentRow {&BuildInputs::optLright, " -r -O ", &BuildInputs::txtLTurn, 1},
};

struct OptionRow
{
    OptionField option;
    std::string_view optionText;
};

constexpr std::array twistRows {
    OptionRow {&BuildInputs::optBank, " -b "},
    OptionRow {&BuildInputs::optTwist, " -t "},
    OptionRow {&BuildInputs::optDip, " -d "},
};

// "Normal" is the generator's default and appends nothing.
constexpr std::array widthRows {
    OptionRow {&BuildInputs::optNor, ""},
    OptionRow {&BuildInputs::optDbl, " -w "},
    OptionRow {&BuildInputs::optNar, " -n "},
    OptionRow {&BuildInputs::optSpr, " -s "},
};

bool isChosen(std::int16_t option)
{
    return option == optionChosen;
}

bool isChecked(std::int16_t check)
{
    return check == checkChecked;
}

template<typename Row, std::size_t count>
const Row *firstChosen(const BuildInputs &inputs, const std::array<Row, count> &rows)
{
    for (const Row &row : rows) {
        if (isChosen(inputs.*row.option))
            return &row;
    }
    return nullptr;
}

// One composition on its own copy of the command line. A step returns false when a number
// it needs lies beyond a double's range; the caller then drops the copy.
class Composition
{
public:
    Composition(const BuildInputs &inputs, CommandLine command)
        : m_inputs(inputs), m_line(std::move(command))
    { }

    bool appendSegment();
    bool appendTwist();
    bool appendHump();
    bool appendRise();
    bool appendLength();
    void appendWidth();
    void appendTextureSpace();
    void appendSurface();
    void appendFlat();
    void appendOutput();

    NumberField failedField() const { return *m_failedField; }
    CommandLine takeLine() { return std::move(m_line); }

private:
    std::optional<double> number(NumberField field);
    void appendNumbered(std::string_view optionText, double value);

    const BuildInputs &m_inputs;
    CommandLine m_line;
    std::int16_t m_turnInEffect = 0;
    std::optional<NumberField> m_failedField;
};

std::optional<double> Composition::number(NumberField field)
{
    const std::optional<double> value = readNumber(m_inputs.*field);
    if (!value)
        m_failedField = field;
    return value;
}

void Composition::appendNumbered(std::string_view optionText, double value)
{
    m_line.appendOption(optionText);
    m_line.appendArgument(writeNumber(value));
}

// The diameter gates every row, loops included; a loop then appends its own number.
// Without a chosen row the diameter cannot change the line, so it is not read.
bool Composition::appendSegment()
{
    m_turnInEffect = 0;
    const SegmentRow *row = firstChosen(m_inputs, segmentRows);
    if (row == nullptr)
        return true;
    const std::optional<double> turn = number(&BuildInputs::txtTurn);
    if (!turn)
        return false;
    if (*turn == 0)
        return true;
    const std::optional<double> value = number(row->number);
    if (!value)
        return false;
    appendNumbered(row->optionText, *value);
    m_turnInEffect = row->turnInEffect;
    return true;
}

// A slide or a straight is never twisted, whatever the window shows.
bool Composition::appendTwist()
{
    const OptionRow *row = firstChosen(m_inputs, twistRows);
    if (m_turnInEffect != 1 || row == nullptr)
        return true;
    const std::optional<double> bank = number(&BuildInputs::txtBank);
    if (!bank)
        return false;
    if (*bank != 0)
        appendNumbered(row->optionText, *bank);
    return true;
}

// A checked hump is appended even at 0.
bool Composition::appendHump()
{
    if (!isChecked(m_inputs.chkHump))
        return true;
    const std::optional<double> hump = number(&BuildInputs::txtHump);
    if (!hump)
        return false;
    appendNumbered(" -c ", *hump);
    return true;
}

bool Composition::appendRise()
{
    if (!isChecked(m_inputs.chkRise))
        return true;
    const std::optional<double> rise = number(&BuildInputs::txtRise);
    if (!rise)
        return false;
    if (*rise != 0)
        appendNumbered(" -h ", *rise);
    return true;
}

// A turn or a loop has a length of its own, so only straights and slides take one.
bool Composition::appendLength()
{
    if (m_turnInEffect != 0)
        return true;
    const std::optional<double> length = number(&BuildInputs::txtLen);
    if (!length)
        return false;
    if (*length > 0 || *length < 0)
        appendNumbered(" -x ", *length);
    return true;
}

void Composition::appendWidth()
{
    if (const OptionRow *row = firstChosen(m_inputs, widthRows))
        m_line.appendOption(row->optionText);
}

void Composition::appendTextureSpace()
{
    if (!isChecked(m_inputs.chkTex))
        return;
    m_line.appendOption(" -m ");
    m_line.appendArgument(writeInteger(m_inputs.lstTex));
}

void Composition::appendSurface()
{
    if (!isChecked(m_inputs.chkSurface))
        return;
    m_line.appendOption(" -p ");
    m_line.appendArgument(writeInteger(m_inputs.cboSur));
}

void Composition::appendFlat()
{
    if (isChecked(m_inputs.chkFlat))
        m_line.appendOption(" -f ");
}

// Folder and name are taken as they stand and form one argument, whatever they hold.
void Composition::appendOutput()
{
    m_line.appendOption(" -o ");
    std::string outputPath = m_inputs.Dir1;
    outputPath += nativeSeparator;
    outputPath += m_inputs.txtOutFile;
    m_line.appendArgument(outputPath);
}

} // namespace

Result<CommandLine, NumberField> ComposeCommand(const BuildInputs &inputs, CommandLine command)
{
    Composition composition(inputs, std::move(command));
    if (!composition.appendSegment() || !composition.appendTwist() || !composition.appendHump()
        || !composition.appendRise() || !composition.appendLength())
        return Failure {composition.failedField()};
    composition.appendWidth();
    composition.appendTextureSpace();
    composition.appendSurface();
    composition.appendFlat();
    composition.appendOutput();
    return composition.takeLine();
}
