// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "TestFiles.h"

#include "ComposeCommand.h"
#include "LaunchGenerator.h"
#include "Module1.h"
#include "NativeSeparator.h"

#include <doctest/doctest.h>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

using Words = std::vector<std::string>;
using Kind = LaunchFailure::Kind;

bool holdsFileNamedX(const std::string &folder)
{
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(pathOf(folder))) {
        if (entry.path().filename() == "x")
            return true;
    }
    return false;
}

// The stand-in as the tool folder's generator, executable for everyone.
void placeGenerator(const std::string &toolFolder)
{
    const fs::path generator = pathOf(toolFolder) / generatorFileName;
    fs::create_directories(pathOf(toolFolder));
    fs::copy_file(pathOf(STANDIN_PATH), generator, fs::copy_options::overwrite_existing);
    fs::permissions(generator,
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
}

// Makes the stand-in record every argument it receives, whatever the arguments ask for.
class RecordingStandin
{
public:
    explicit RecordingStandin(const std::string &recordPath)
    {
        setEnvironment("LAPFORGE_STANDIN_RECORD", recordPath);
    }
    ~RecordingStandin() { setEnvironment("LAPFORGE_STANDIN_RECORD", ""); }
};

} // namespace

// Goes the whole way the window goes: tool folder, base command, composition, launch.
TEST_CASE("the generator gets the composed arguments literally")
{
    const char *const rows[] {
        "tool folder",
        "a;touch x",
        "$(touch x)",
        "`touch x`",
        "%PATH% a&b^c (x)",
        "it's quoted",
        "\xc3\x9c"
        "n"
        "\xc3\xaf"
        "c"
        "\xc3\xb6"
        "d"
        "\xc3\xa9 \xf0\x9d\x84\x9e",
#ifndef _WIN32
        "it's \"quoted\"",
        "*",
        " a  b; $(touch x) `touch x` 'q' \"dq\" * ",
#endif
    };
    for (const std::string name : rows) {
        INFO(name);
        TemporaryFolder root;
        CurrentFolder inRoot(root.path());
        const std::string toolFolder = root.filePath(name);
        const std::string outputFolder = root.filePath("out " + name);
        fs::create_directories(pathOf(outputFolder));
        placeGenerator(toolFolder);

        Module1::setToolFolder(toolFolder);
        BuildInputs inputs;
        inputs.optRight90 = inputs.optTwist = inputs.optDbl = optionChosen;
        inputs.txtTurn = "45";
        inputs.txtBank = "2.5";
        inputs.chkFlat = checkChecked;
        inputs.Dir1 = outputFolder;
        inputs.txtOutFile = "new prm " + name;
        const auto composed = ComposeCommand(inputs, baseCommand());
        REQUIRE(composed);
        const CommandLine &command = *composed;
        const std::string outputPath = outputFolder + nativeSeparator + "new prm " + name;
        const Words expected {"-r", "-9", "45", "-t", "2.5", "-w", "-f", "-o", outputPath};

        const auto launched = launchToEnd(command);
        REQUIRE_MESSAGE(launched, (launched ? "" : launched.failure().message()));
        CHECK(eventually([&] { return recordedReport(outputPath) == reportOf(expected); }));
        CHECK(!holdsFileNamedX(root.path()));
    }
}

// The quoting that carries arguments to a Windows program has its traps in backslashes
// before quotes and at the end; elsewhere, words must simply not be split or merged.
TEST_CASE("every argument reaches the generator's argv exactly")
{
    const struct
    {
        const char *name;
        Words arguments;
    } rows[] {
        {"folder with a blank and a trailing backslash", {"C:\\a b\\"}},
        {"backslash before a quote", {"x\\\"y"}},
        {"network share with a trailing backslash", {"\\\\server\\share\\"}},
        {"quotes around blanks", {"a\"b c\"d", "\"", "\"\""}},
        {"backslashes alone and doubled", {"\\", "\\\\", "a\\\\b", "a\\\\\"b"}},
        {"empty arguments", {"", "-o", "", ""}},
        {"blanks and tabs", {" ", " lead and trail ", "tab\there"}},
        {"non-ASCII",
         {"\xc3\x9c"
          "ber",
          "\xe6\x97\xa5\xe6\x9c\xac", "\xd0\xb4\xd0\xb0"}},
        {"outside the Basic Multilingual Plane", {"\xf0\x9d\x84\x9e", "a\xf0\x9f\x8f\x81z"}},
        {"shell and cmd characters", {"%PATH%", "a&b|c<d>e^f", "$(id)", "`id`", "*", "!x"}},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder folder;
        const std::string record = folder.filePath("received");
        const RecordingStandin recording(record);
        const CommandLine command = commandOf(STANDIN_PATH, row.arguments);

        const auto launched = launchToEnd(command);
        REQUIRE_MESSAGE(launched, (launched ? "" : launched.failure().message()));
        CHECK(eventually([&] { return recordedReport(record) == reportOf(row.arguments); }));
    }
}

TEST_CASE("a failed start says why, in words for its kind")
{
    const std::string noFile = "there is no such file";
    const std::string folder = "it is a folder";
    const struct
    {
        const char *name;
        std::string relativePath;
        std::optional<std::string> contents; // none: nothing is created
        Kind kind;
        std::string says;
    } rows[] {
        {"missing file", "lapforge.exe", std::nullopt, Kind::NoSuchFile, noFile},
        {"missing folder", "gone/lapforge.exe", std::nullopt, Kind::NoSuchFile, noFile},
        {"empty path", "", std::nullopt, Kind::NoSuchFile, noFile},
        {"a folder named lapforge.exe", "lapforge.exe/", std::nullopt, Kind::Folder, folder},
        // A shell would run this; the generator must not be handed to one.
        {"text that is no program", "lapforge.exe", "touch x\r\n", Kind::NotRunnable,
         "not a program this system can run"},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder root;
        CurrentFolder inRoot(root.path());
        std::string program = row.relativePath.empty() ? "" : root.filePath(row.relativePath);
        if (program.ends_with('/')) {
            program.pop_back();
            fs::create_directory(pathOf(program));
        }
        if (row.contents) {
            REQUIRE(writeFile(program, *row.contents));
            fs::permissions(pathOf(program), fs::perms::owner_all | fs::perms::others_exec);
        }

        const auto launched = launchToEnd(CommandLine(program));
        REQUIRE(!launched);
        const LaunchFailure &failure = launched.failure();
        CHECK(failure.kind == row.kind);
        CHECK(failure.program == program);
        const std::string message = failure.message();
        CHECK_MESSAGE(message.find(program) != std::string::npos, message);
        CHECK_MESSAGE(message.find(row.says) != std::string::npos, message);
        CHECK_MESSAGE(message.find("%1") == std::string::npos, message);
        CHECK(!holdsFileNamedX(root.path()));
    }
}
