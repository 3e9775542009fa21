// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "TestFiles.h"

#include "ComposeCommand.h"
#include "NativeSeparator.h"

#include <doctest/doctest.h>

#include <filesystem>

namespace {

using Words = std::vector<std::string>;

const std::string outputMark = "@OUT";

ProgramRun runStandin(const Words &arguments)
{
    return runProgram(STANDIN_PATH, arguments);
}

Words withOutput(Words arguments, const std::string &outputPath)
{
    for (std::string &argument : arguments) {
        if (argument == outputMark)
            argument = outputPath;
    }
    return arguments;
}

BuildInputs resetWindow()
{
    BuildInputs inputs;
    inputs.txtTurn = inputs.txtLTurn = inputs.txtBank = "0";
    inputs.txtHump = inputs.txtRise = inputs.txtLen = "0";
    inputs.optNor = optionChosen;
    inputs.txtOutFile = "new_prm";
    return inputs;
}

bool isEmptyFolder(const std::string &path)
{
    return std::filesystem::is_empty(pathOf(path));
}

} // namespace

TEST_CASE("the stand-in takes its grammar and describes the segment")
{
    const struct
    {
        const char *name;
        Words arguments;
        std::string describes;
    } rows[] {
        {"output only", {"-o", outputMark}, "Segment: straight"},
        {"every option once",
         {"-l", "-9", "30", "-b", "3", "-c", "2", "-w", "-m", "2", "-p", "2", "-f", "-o",
          outputMark},
         "Twist: bank, height 3"},
        {"slide with rise and length",
         {"-r", "-S", "12", "-h", "-1", "-x", "20", "-o", outputMark},
         "Length: 20"},
        {"loop numbered 0",
         {"-l", "-O", "0", "-o", outputMark},
         "Segment: loop to the left, number 0"},
        {"180 with tilt, narrow",
         {"-r", "-U", "2.5", "-t", "-0.5", "-n", "-o", outputMark},
         "Width: narrow"},
        {"dip of a large number",
         {"-l", "-9", "1E+15", "-d", "5.6789E-12", "-o", outputMark},
         "Twist: dip, height 5.6789E-12"},
        {"hump 0", {"-c", "0", "-o", outputMark}, "Hump: 0"},
        {"negative length", {"-x", "-5", "-o", outputMark}, "Length: -5"},
        {"no rows selected", {"-m", "-1", "-p", "-1", "-o", outputMark}, "Surface: -1"},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder folder;
        const std::string outputPath = folder.filePath("new prm");
        const Words arguments = withOutput(row.arguments, outputPath);

        const ProgramRun run = runStandin(arguments);
        REQUIRE(run.finished);
        CHECK(run.exitCode == 0);
        CHECK(recordedReport(outputPath) == reportOf(arguments));
        CHECK(readFile(outputPath).find(row.describes) != std::string::npos);
    }
}

// The stand-in must take every line the front end composes, or launch tests prove nothing.
TEST_CASE("the stand-in takes every line the window composes")
{
    BuildInputs example1 = resetWindow();
    example1.optLeft90 = example1.optBank = example1.optDbl = optionChosen;
    example1.optNor = 0;
    example1.txtTurn = "030";
    example1.txtBank = "3";
    example1.chkHump = example1.chkTex = example1.chkSurface = example1.chkFlat = checkChecked;
    example1.txtHump = "2";
    example1.txtLen = "20";
    example1.lstTex = example1.cboSur = 2;

    BuildInputs slide = resetWindow();
    slide.optSlideR = slide.optBank = optionChosen;
    slide.txtTurn = "12";
    slide.txtBank = "5";
    slide.chkRise = checkChecked;
    slide.txtRise = "-1";
    slide.txtLen = "20";

    BuildInputs loop = resetWindow();
    loop.optLright = optionChosen;
    loop.txtTurn = "10";
    loop.txtLTurn = "";
    loop.txtLen = "20";

    BuildInputs right90 = resetWindow();
    right90.optRight90 = right90.optDip = right90.optSpr = optionChosen;
    right90.optNor = 0;
    right90.txtTurn = "1e20";
    right90.txtBank = "-0.000001";
    right90.chkTex = checkChecked;

    BuildInputs humpAndRise = resetWindow();
    humpAndRise.optLeft90 = humpAndRise.optTwist = optionChosen;
    humpAndRise.txtTurn = "45";
    humpAndRise.txtBank = "1.5";
    humpAndRise.chkHump = humpAndRise.chkRise = checkChecked;
    humpAndRise.txtHump = "-2";
    humpAndRise.txtRise = "0.25";

    BuildInputs bankedLoop = resetWindow();
    bankedLoop.optLleft = bankedLoop.optBank = optionChosen;
    bankedLoop.txtTurn = "10";
    bankedLoop.txtLTurn = "4";
    bankedLoop.txtBank = "3";
    bankedLoop.chkHump = bankedLoop.chkRise = checkChecked;
    bankedLoop.txtHump = "1";
    bankedLoop.txtRise = "2";

    const struct
    {
        const char *name;
        BuildInputs inputs;
    } rows[] {
        {"worked example 1", example1},
        {"slide with rise and length", slide},
        {"loop with an empty number", loop},
        {"90 right, huge diameter, no texture row", right90},
        {"reset window", resetWindow()},
        {"hump and rise together", humpAndRise},
        {"loop direction with a bank, hump and rise", bankedLoop},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder folder;
        BuildInputs inputs = row.inputs;
        inputs.Dir1 = folder.path();
        const auto composed = ComposeCommand(inputs, CommandLine("lapforge.exe"));
        REQUIRE(composed);
        const CommandLine &command = *composed;

        const ProgramRun run = runStandin(command.arguments());
        REQUIRE(run.finished);
        CHECK_MESSAGE(run.exitCode == 0, run.errors);
        CHECK(recordedReport(folder.path() + nativeSeparator + "new_prm")
              == reportOf(command.arguments()));
    }
}

TEST_CASE("the stand-in refuses any other line and names the offending word")
{
    const struct
    {
        const char *name;
        Words arguments;
        std::string offending;
    } rows[] {
        {"no arguments", {}, "-o"},
        {"no output", {"-f"}, "-o"},
        {"-o without path", {"-o"}, "-o"},
        {"two output paths", {"-o", outputMark, "extra"}, "extra"},
        {"option after output", {"-o", outputMark, "-f"}, "\"-f\""},
        {"unknown option", {"-q", "-o", outputMark}, "-q"},
        {"empty word", {"", "-o", outputMark}, "\"\""},
        {"glued flags", {"-l-9", "30", "-o", outputMark}, "-l-9"},
        {"direction without kind", {"-l", "30", "-o", outputMark}, "30"},
        {"segment without number", {"-l", "-9", "-o", outputMark}, "-o"},
        {"number with leading zero", {"-l", "-9", "030", "-o", outputMark}, "030"},
        {"number with plus sign", {"-c", "+2", "-o", outputMark}, "+2"},
        {"decimal comma", {"-c", "2,5", "-o", outputMark}, "2,5"},
        {"twist after a slide", {"-l", "-S", "12", "-b", "3", "-o", outputMark}, "-b"},
        {"twist without segment", {"-t", "3", "-o", outputMark}, "-t"},
        {"length after a turn", {"-r", "-U", "12", "-x", "20", "-o", outputMark}, "-x"},
        {"out of order", {"-f", "-c", "2", "-o", outputMark}, "-c"},
        {"repeated option", {"-c", "2", "-c", "3", "-o", outputMark}, "-c"},
        {"two widths", {"-w", "-n", "-o", outputMark}, "-n"},
        {"fractional texture space", {"-m", "2.5", "-o", outputMark}, "2.5"},
        {"surface beyond 16 bits", {"-p", "40000", "-o", outputMark}, "40000"},
        {"texture space with a leading zero", {"-m", "02", "-o", outputMark}, "\"02\""},
        {"surface of negative zero", {"-p", "-0", "-o", outputMark}, "\"-0\""},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder folder;
        const std::string outputPath = folder.filePath("new_prm");

        const ProgramRun run = runStandin(withOutput(row.arguments, outputPath));
        REQUIRE(run.finished);
        CHECK(run.exitCode == 2);
        CHECK_MESSAGE(run.errors.find(row.offending) != std::string::npos, run.errors);
        CHECK(isEmptyFolder(folder.path()));
    }
}

TEST_CASE("the stand-in reports an output file it cannot write")
{
    const struct
    {
        const char *name;
        std::string relativePath;
    } rows[] {
        {"missing folder", "missing/new_prm"},
        {"a folder", "folder"},
        {"below a file", "file/new_prm"},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder folder;
        std::filesystem::create_directory(pathOf(folder.filePath("folder")));
        REQUIRE(writeFile(folder.filePath("file"), ""));
        const std::string outputPath = folder.filePath(row.relativePath);

        const ProgramRun run = runStandin({"-o", outputPath});
        REQUIRE(run.finished);
        CHECK(run.exitCode == 1);
        CHECK_MESSAGE(run.errors.find(outputPath) != std::string::npos, run.errors);
    }
}
