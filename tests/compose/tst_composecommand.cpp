// SPDX-License-Identifier: MIT
#include "ComposeCommand.h"
#include "Module1.h"
#include "NativeSeparator.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::string>;

// Paths are written here as on Windows, drive letters included, and compared in the
// native form: on Windows character for character as written, elsewhere without the
// drive and with "/".
std::string native(std::string path)
{
#ifndef _WIN32
    for (std::size_t at = 0; at + 2 < path.size(); ++at) {
        const bool startsWord = at == 0 || path[at - 1] == ' ';
        if (startsWord && std::isupper(static_cast<unsigned char>(path[at])) && path[at + 1] == ':'
            && path[at + 2] == '\\')
            path.erase(at, 2);
    }
#endif
    std::replace(path.begin(), path.end(), '\\', nativeSeparator);
    return path;
}

std::string appendedText(const CommandLine &composed, const CommandLine &base)
{
    return composed.text().substr(base.text().size());
}

// The window as the reset leaves it, with "Bank" chosen so that the twist gate matters.
BuildInputs resetInputs()
{
    BuildInputs inputs;
    for (std::string *number : {&inputs.txtTurn, &inputs.txtLTurn, &inputs.txtBank, &inputs.txtHump,
                                &inputs.txtRise, &inputs.txtLen})
        *number = "0";
    inputs.optBank = optionChosen;
    inputs.optNor = optionChosen;
    inputs.Dir1 = native("D:\\tracks");
    inputs.txtOutFile = "new_prm";
    return inputs;
}

BuildInputs changed(const std::function<void(BuildInputs &)> &change)
{
    BuildInputs inputs = resetInputs();
    change(inputs);
    return inputs;
}

std::string withOutput(const std::string &options)
{
    return options + " -o " + native("D:\\tracks\\new_prm");
}

// Every test starts from the same tool folder.
struct ToolsFolder
{
    ToolsFolder() { Module1::setToolFolder(native("C:\\tools")); }
};

struct AppendedRow
{
    const char *name;
    BuildInputs inputs;
    std::string appended;
};

template<typename Type, std::size_t count>
void checkEachFieldOnce(const std::array<BuildInputField<Type>, count> &table)
{
    for (auto entry = table.begin(); entry != table.end(); ++entry) {
        const auto again = std::find_if(std::next(entry), table.end(), [&](const auto &other) {
            return other.field == entry->field;
        });
        CHECK_MESSAGE(again == table.end(), entry->control);
    }
}

} // namespace

TEST_CASE_FIXTURE(ToolsFolder, "the base command is the tool folder and the generator's name")
{
    const struct
    {
        const char *name;
        std::string folder;
        std::string text;
    } rows[] {
        {"folder", native("C:\\tools"), native("C:\\tools\\lapforge.exe ")},
        {"root gives two separators", native("C:\\"), native("C:\\\\lapforge.exe ")},
        {"blanks unquoted", native("\\my tools"), native("\\my tools\\lapforge.exe ")},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        Module1::setToolFolder(row.folder);
        const CommandLine base = baseCommand();
        CHECK(base.text() == row.text);
        CHECK(base.program() == row.text.substr(0, row.text.size() - 1));
        CHECK(base.arguments().empty());
    }
}

TEST_CASE_FIXTURE(ToolsFolder, "the worked examples")
{
    const struct
    {
        const char *name;
        BuildInputs inputs;
        std::string text;
        Words arguments;
    } rows[] {
        {"90 Left with bank, hump, width, texture, surface, flat",
         changed([](BuildInputs &in) {
             in.optLeft90 = optionChosen;
             in.txtTurn = "030";
             in.txtBank = "3";
             in.chkHump = checkChecked;
             in.txtHump = "2";
             in.txtLen = "20";
             in.optNor = 0;
             in.optDbl = optionChosen;
             in.chkTex = checkChecked;
             in.lstTex = 2;
             in.chkSurface = checkChecked;
             in.cboSur = 2;
             in.chkFlat = checkChecked;
         }),
         native("C:\\tools\\lapforge.exe  -l -9 30 -b 3 -c 2 -w  -m 2 -p 2 -f  -o "
                "D:\\tracks\\new_prm"),
         {"-l", "-9", "30", "-b", "3", "-c", "2", "-w", "-m", "2", "-p", "2", "-f", "-o",
          native("D:\\tracks\\new_prm")}},
        {"Slide Right with rise and length into a root folder",
         changed([](BuildInputs &in) {
             in.optSlideR = optionChosen;
             in.txtTurn = "12";
             in.txtBank = "5";
             in.chkRise = checkChecked;
             in.txtRise = "-1";
             in.txtLen = "20";
             in.Dir1 = native("C:\\");
         }),
         native("C:\\tools\\lapforge.exe  -r -S 12 -h -1 -x 20 -o C:\\\\new_prm"),
         {"-r", "-S", "12", "-h", "-1", "-x", "20", "-o", native("C:\\\\new_prm")}},
        {"right loop",
         changed([](BuildInputs &in) {
             in.optLright = optionChosen;
             in.txtTurn = "10";
             in.txtLTurn = "3";
             in.txtLen = "20";
         }),
         native("C:\\tools\\lapforge.exe  -r -O 3 -o D:\\tracks\\new_prm"),
         {"-r", "-O", "3", "-o", native("D:\\tracks\\new_prm")}},
        {"window after reset",
         resetInputs(),
         native("C:\\tools\\lapforge.exe  -o D:\\tracks\\new_prm"),
         {"-o", native("D:\\tracks\\new_prm")}},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        const auto command = ComposeCommand(row.inputs, baseCommand());
        REQUIRE(command);
        CHECK(command->text() == row.text);
        CHECK(command->arguments() == row.arguments);
        CHECK(command->program() == native("C:\\tools\\lapforge.exe"));
    }
}

TEST_CASE_FIXTURE(ToolsFolder, "the gates decide what is appended")
{
    auto turn = [](std::int16_t BuildInputs::*option, const char *diameter) {
        return changed([=](BuildInputs &in) {
            in.*option = optionChosen;
            in.txtTurn = diameter;
            in.txtBank = "3";
            in.txtLTurn = "4";
            in.txtLen = "20";
        });
    };
    const auto left90 = &BuildInputs::optLeft90;
    const auto loopLeft = &BuildInputs::optLleft;

    const AppendedRow rows[] {
        {"90 Right keeps two blanks", turn(&BuildInputs::optRight90, "45"),
         withOutput(" -r  -9 45 -b 3")},
        {"180 Left takes no length", turn(&BuildInputs::opt180l, "2.50"),
         withOutput(" -l -U 2.5 -b 3")},
        {"slide is never twisted but takes a length", turn(&BuildInputs::optSlideL, "12"),
         withOutput(" -l -S 12 -x 20")},
        {"turn with empty diameter", turn(left90, ""), withOutput(" -x 20")},
        {"turn with zero diameter", turn(left90, "0.0"), withOutput(" -x 20")},
        {"turn with non-numeric diameter", turn(left90, "abc"), withOutput(" -x 20")},
        {"option at 1 is not chosen", changed([](BuildInputs &in) {
             in.optLeft90 = 1;
             in.txtTurn = "30";
         }),
         withOutput("")},
        {"loop appends its own number", turn(loopLeft, "10"), withOutput(" -l -O 4 -b 3")},
        {"loop gated by zero diameter", turn(loopLeft, "0"), withOutput(" -x 20")},
        {"loop with empty number", changed([](BuildInputs &in) {
             in.optLright = optionChosen;
             in.txtTurn = "10";
             in.txtLTurn = "";
         }),
         withOutput(" -r -O 0")},
        {"loop without direction is a straight", changed([](BuildInputs &in) {
             in.txtTurn = "10";
             in.txtLTurn = "3";
             in.txtLen = "5";
         }),
         withOutput(" -x 5")},
        {"turn wins over loop direction", changed([](BuildInputs &in) {
             in.optLright = optionChosen;
             in.opt180r = optionChosen;
             in.txtTurn = "30";
         }),
         withOutput(" -r -U 30")},
        {"slide wins over loop left: no twist, but a length", changed([](BuildInputs &in) {
             in.optLleft = optionChosen;
             in.optSlideL = optionChosen;
             in.txtTurn = "12";
             in.txtLTurn = "3";
             in.txtBank = "2";
             in.optBank = optionChosen;
             in.txtLen = "20";
         }),
         withOutput(" -l -S 12 -x 20")},
        {"first twist kind wins", changed([](BuildInputs &in) {
             in.optLeft90 = optionChosen;
             in.txtTurn = "30";
             in.optBank = 0;
             in.optTwist = optionChosen;
             in.optDip = optionChosen;
             in.txtBank = "-1.5";
         }),
         withOutput(" -l -9 30 -t -1.5")},
        {"turn without twist kind", changed([](BuildInputs &in) {
             in.optLeft90 = optionChosen;
             in.txtTurn = "30";
             in.optBank = 0;
             in.txtBank = "3";
         }),
         withOutput(" -l -9 30")},
        {"hump at zero is appended", changed([](BuildInputs &in) { in.chkHump = checkChecked; }),
         withOutput(" -c 0")},
        {"rise at zero is left out", changed([](BuildInputs &in) { in.chkRise = checkChecked; }),
         withOutput("")},
        {"grayed boxes count as unchecked", changed([](BuildInputs &in) {
             in.chkHump = in.chkRise = in.chkTex = in.chkSurface = in.chkFlat = 2;
             in.txtHump = in.txtRise = "5";
         }),
         withOutput("")},
        {"negative length keeps its sign", changed([](BuildInputs &in) { in.txtLen = "-5"; }),
         withOutput(" -x -5")},
        {"length written back, not copied",
         changed([](BuildInputs &in) { in.txtLen = " 0 45.0abc"; }), withOutput(" -x 45")},
        {"texture space without a row", changed([](BuildInputs &in) { in.chkTex = checkChecked; }),
         withOutput(" -m -1")},
        {"last surface", changed([](BuildInputs &in) {
             in.chkSurface = checkChecked;
             in.cboSur = 25;
         }),
         withOutput(" -p 25")},
        {"first width wins", changed([](BuildInputs &in) {
             in.optNor = 0;
             in.optNar = optionChosen;
             in.optSpr = optionChosen;
         }),
         withOutput(" -n ")},
        {"no width chosen", changed([](BuildInputs &in) { in.optNor = 0; }), withOutput("")},
    };
    for (const AppendedRow &row : rows) {
        INFO(row.name);
        const CommandLine base = baseCommand();
        const auto command = ComposeCommand(row.inputs, base);
        REQUIRE(command);
        CHECK(appendedText(*command, base) == row.appended);
    }
}

TEST_CASE("an option text becomes one argument per word")
{
    const struct
    {
        const char *name;
        std::string option;
        Words arguments;
    } rows[] {
        {"two blanks between words", " -r  -9 ", {"-r", "-9"}},
        {"one word", " -w ", {"-w"}},
        {"nothing", "", {}},
        {"blanks only", "   ", {}},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        CommandLine command("lapforge.exe");
        command.appendOption(row.option);
        CHECK(command.text() == "lapforge.exe " + row.option);
        CHECK(command.arguments() == row.arguments);
    }
}

TEST_CASE_FIXTURE(ToolsFolder, "the output path is one argument, unquoted in the text")
{
    const struct
    {
        const char *name;
        std::string folder;
        std::string outputName;
    } rows[] {
        {"root folder", native("C:\\"), "new_prm"},
        {"empty name", native("D:\\tracks"), ""},
        {"blanks", native("\\my tracks "), " new prm"},
        {"shell characters", native("\\t;$(touch x)`id`'\"*"), "a|b&c>d"},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        const BuildInputs inputs = changed([&](BuildInputs &in) {
            in.Dir1 = row.folder;
            in.txtOutFile = row.outputName;
        });
        const CommandLine base = baseCommand();
        const auto command = ComposeCommand(inputs, base);
        REQUIRE(command);

        const std::string path = row.folder + nativeSeparator + row.outputName;
        CHECK(appendedText(*command, base) == " -o " + path);
        CHECK(command->arguments() == Words {"-o", path});
    }
}

TEST_CASE_FIXTURE(ToolsFolder, "a number beyond range changes nothing")
{
    // Each row has earlier steps append something, so a half-composed line would show.
    auto overflowing = [](const std::function<void(BuildInputs &)> &change) {
        return changed([&](BuildInputs &in) {
            in.optLeft90 = optionChosen;
            in.txtTurn = "30";
            in.chkHump = in.chkRise = checkChecked;
            in.txtHump = in.txtRise = "1";
            change(in);
        });
    };
    const struct
    {
        const char *name;
        BuildInputs inputs;
        NumberField field;
    } rows[] {
        {"txtTurn", overflowing([](BuildInputs &in) { in.txtTurn = "1e400"; }),
         &BuildInputs::txtTurn},
        {"txtLTurn", overflowing([](BuildInputs &in) {
             in.optLeft90 = 0;
             in.optLright = optionChosen;
             in.txtLTurn = "1e400";
         }),
         &BuildInputs::txtLTurn},
        {"txtBank", overflowing([](BuildInputs &in) { in.txtBank = "-1e400"; }),
         &BuildInputs::txtBank},
        {"txtHump", overflowing([](BuildInputs &in) { in.txtHump = "1e400"; }),
         &BuildInputs::txtHump},
        {"txtRise", overflowing([](BuildInputs &in) { in.txtRise = "1D400"; }),
         &BuildInputs::txtRise},
        {"txtLen", overflowing([](BuildInputs &in) {
             in.optLeft90 = 0;
             in.optSlideL = optionChosen;
             in.txtLen = "1e400";
         }),
         &BuildInputs::txtLen},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        const auto command = ComposeCommand(row.inputs, baseCommand());
        REQUIRE(!command);
        CHECK(command.failure() == row.field);
    }
}

TEST_CASE_FIXTURE(ToolsFolder, "a number that the options leave out is not read")
{
    const AppendedRow rows[] {
        {"txtTurn of a straight", changed([](BuildInputs &in) { in.txtTurn = "1e400"; }),
         withOutput("")},
        {"txtLTurn of a turn", changed([](BuildInputs &in) {
             in.optLeft90 = optionChosen;
             in.txtTurn = "30";
             in.txtLTurn = "1e400";
         }),
         withOutput(" -l -9 30")},
        {"txtLTurn of a loop with zero diameter", changed([](BuildInputs &in) {
             in.optLleft = optionChosen;
             in.txtLTurn = "1e400";
         }),
         withOutput("")},
        {"txtBank of a slide", changed([](BuildInputs &in) {
             in.optSlideR = optionChosen;
             in.txtTurn = "12";
             in.txtBank = "1e400";
         }),
         withOutput(" -r -S 12")},
        {"txtBank without twist kind", changed([](BuildInputs &in) {
             in.optLeft90 = optionChosen;
             in.txtTurn = "30";
             in.optBank = 0;
             in.txtBank = "1e400";
         }),
         withOutput(" -l -9 30")},
        {"txtHump and txtRise grayed", changed([](BuildInputs &in) {
             in.chkHump = in.chkRise = 2;
             in.txtHump = in.txtRise = "1e400";
         }),
         withOutput("")},
        {"txtLen of a turn", changed([](BuildInputs &in) {
             in.opt180r = optionChosen;
             in.txtTurn = "30";
             in.txtLen = "1e400";
         }),
         withOutput(" -r -U 30")},
    };
    for (const AppendedRow &row : rows) {
        INFO(row.name);
        const CommandLine base = baseCommand();
        const auto command = ComposeCommand(row.inputs, base);
        REQUIRE(command);
        CHECK(appendedText(*command, base) == row.appended);
    }
}

TEST_CASE("each field is listed once, under a name of its own")
{
    std::vector<std::string_view> names;
    for (const auto &entry : buildInputTexts)
        names.push_back(entry.control);
    for (const auto &entry : buildInputValues)
        names.push_back(entry.control);
    std::ranges::sort(names);
    CHECK(std::ranges::adjacent_find(names) == names.end());
    checkEachFieldOnce(buildInputTexts);
    checkEachFieldOnce(buildInputValues);
}
