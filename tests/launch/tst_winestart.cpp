// SPDX-License-Identifier: MIT
#include "ProgramRun.h"
#include "TestFiles.h"

#include "LaunchGenerator.h"
#include "WineStart.h"

#include <doctest/doctest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Words = std::vector<std::string>;

void makeExecutable(const std::string &path, const std::string &contents)
{
    writeFile(path, contents);
    fs::permissions(path, fs::perms::owner_all);
}

// A wine on PATH that writes what it was asked to start, one word a line, into `record`.
std::string fakeWine(const TemporaryFolder &root, const std::string &record)
{
    const std::string folder = root.filePath("fake bin");
    fs::create_directory(folder);
    makeExecutable(folder + "/wine",
                   "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.part\" && mv \"$0.part\" '"
                       + record + "'\n");
    return folder;
}

// Each row's Wine prefix: its dosdevices links drive letters to folders of the root.
struct PrefixRow
{
    const char *name;
    std::vector<std::pair<std::string, std::string>> drives; // link name, folder below root
    std::string path; // below root, "/" first
    std::string expected; // "@" stands for root as seen through drive Z:
};

std::string rootThroughZ(const std::string &root)
{
    std::string text = "Z:" + root;
    for (char &c : text) {
        if (c == '/')
            c = '\\';
    }
    return text;
}

// Sets PATH for one test and puts it back.
class SearchPath
{
public:
    explicit SearchPath(const std::string &path) : m_previous(std::getenv("PATH"))
    {
        setEnvironment("PATH", path);
    }
    ~SearchPath() { setEnvironment("PATH", m_previous); }

private:
    std::string m_previous;
};

} // namespace

TEST_CASE("a Windows program is told by its first two bytes")
{
    const struct
    {
        const char *name;
        std::optional<std::string> contents;
        bool windows;
    } rows[] {
        {"PE program", std::string("MZ\x90\0\3", 5), true},
        {"just the two bytes", "MZ", true},
        {"ELF program",
         "\x7f"
         "ELF",
         false},
        {"script", "#!/bin/sh\n", false},
        {"lower case", "mz", false},
        {"text that begins with M", "Makefile\n", false},
        {"one byte", "M", false},
        {"empty", "", false},
        {"missing", std::nullopt, false},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        TemporaryFolder root;
        const std::string path = root.filePath("lapforge.exe");
        if (row.contents)
            REQUIRE(writeFile(path, *row.contents));
        CHECK(isWindowsProgram(path) == row.windows);
    }
}

TEST_CASE("what is no file is no Windows program, and is not read")
{
    TemporaryFolder root;
    const std::string folder = root.filePath("lapforge.exe");
    fs::create_directory(folder);
    const std::string pipe = root.filePath("pipe.exe");
    REQUIRE(mkfifo(pipe.c_str(), 0600) == 0);

    CHECK_FALSE(isWindowsProgram(folder));
    CHECK_FALSE(isWindowsProgram(pipe));
}

TEST_CASE("wine is looked for in the folders of PATH")
{
    TemporaryFolder root;
    for (const char *folder : {"a", "b", "c", "d"})
        fs::create_directory(root.filePath(folder));
    writeFile(root.filePath("a/wine"), "not executable");
    fs::create_directory(root.filePath("b/wine"));
    makeExecutable(root.filePath("c/wine"), "#!/bin/sh\n");
    makeExecutable(root.filePath("d/wine"), "#!/bin/sh\n");
    CurrentFolder inRoot(root.filePath("d"));

    const struct
    {
        const char *name;
        std::string searchPath;
        std::string found;
    } rows[] {
        {"not executable and a folder are passed over", "@/a:@/b:@/c:@/d", "@/c/wine"},
        {"first one wins", "@/d:@/c", "@/d/wine"},
        {"empty entries are not the working folder", "::@/a:", ""},
        {"empty PATH", "", ""},
        {"no wine anywhere", "@/a:@/b", ""},
    };
    auto rooted = [&](std::string text) {
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@'))
            text.replace(at, 1, root.path());
        return text;
    };
    for (const auto &row : rows) {
        INFO(row.name);
        CHECK(findOnPath("wine", rooted(row.searchPath)) == rooted(row.found));
    }
}

// Wine's drives are links in the prefix; the closest one that holds the path wins, so a
// path inside drive_c reads as on C: and not as Z:\...\drive_c\...
TEST_CASE("an output path is handed to Wine in its Windows form")
{
    const PrefixRow rows[] {
        {"fresh prefix: Z: is the root", {}, "/out folder/new_prm", "@\\out folder\\new_prm"},
        {"Z: is the root",
         {{"c:", "drive_c"}, {"z:", "/"}},
         "/tracks/new prm",
         "@\\tracks\\new prm"},
        {"inside drive C:",
         {{"c:", "drive_c"}, {"z:", "/"}},
         "/drive_c/tracks/new_prm",
         "C:\\tracks\\new_prm"},
        {"a drive's root", {{"c:", "drive_c"}, {"z:", "/"}}, "/drive_c", "C:\\"},
        {"the deepest drive wins",
         {{"d:", "data"}, {"e:", "data/more"}, {"z:", "/"}},
         "/data/more/x",
         "E:\\x"},
        {"a folder named like a drive's but longer", {{"d:", "data"}}, "/database/x", ""},
        {"no drive holds it", {{"c:", "drive_c"}}, "/tracks/new_prm", ""},
        {"not a drive link", {{"c::", "drive_c"}, {"com1", "drive_c"}}, "/drive_c/x", ""},
        {"dot and dot-dot", {{"c:", "drive_c"}}, "/drive_c/a/../b/./new_prm", "C:\\b\\new_prm"},
    };
    for (const PrefixRow &row : rows) {
        INFO(row.name);
        TemporaryFolder root;
        const std::string prefix = root.filePath("prefix");
        fs::create_directories(root.filePath("drive_c"));
        fs::create_directories(root.filePath("data/more"));
        if (!row.drives.empty())
            fs::create_directories(prefix + "/dosdevices");
        for (const auto &[link, folder] : row.drives) {
            const std::string target = folder == "/" ? "/" : root.filePath(folder);
            fs::create_symlink(target, prefix + "/dosdevices/" + link);
        }
        const std::string canonicalRoot = fs::canonical(root.path()).string();
        std::string expected = row.expected;
        if (expected.starts_with('@'))
            expected.replace(0, 1, rootThroughZ(canonicalRoot));

        CHECK(windowsPathUnderWine(root.path() + row.path, prefix) == expected);
    }
}

TEST_CASE("a Windows generator is started through wine with the same arguments")
{
    TemporaryFolder root;
    const std::string record = root.filePath("wine was asked");
    const SearchPath path(fakeWine(root, record) + ":/usr/bin:/bin");
    setEnvironment("WINEPREFIX", root.filePath("prefix"));
    const std::string generator = root.filePath("tools/lapforge.exe");
    fs::create_directories(root.filePath("tools"));
    makeExecutable(generator, "MZ");
    const std::string outputFolder = root.filePath("out folder");

    CommandLine command(generator);
    command.appendOption(" -l -9 30 ");
    command.appendArgument("-o");
    command.appendArgument(outputFolder + "/new prm");
    const CommandLine shown = command;
    const auto launched = launchToEnd(command);
    setEnvironment("WINEPREFIX", "");
    REQUIRE_MESSAGE(launched, (launched ? "" : launched.failure().message()));

    const std::string outputInWindows =
        rootThroughZ(fs::canonical(root.path()).string()) + "\\out folder\\new prm";
    const Words expected {"6", generator, "-l", "-9", "30", "-o", outputInWindows};
    REQUIRE(eventually([&] { return fs::exists(record); }));
    Words asked;
    std::string line;
    std::istringstream lines(readFile(record));
    while (std::getline(lines, line))
        asked.push_back(line);
    CHECK(asked == expected);
    CHECK(command == shown);
}

TEST_CASE("without wine, a Windows generator's failure says that Wine is needed")
{
    TemporaryFolder root;
    const SearchPath path(root.path());
    const std::string generator = root.filePath("lapforge.exe");
    makeExecutable(generator, "MZ");

    const auto launched = launchToEnd(CommandLine(generator));
    REQUIRE(!launched);
    const LaunchFailure &failure = launched.failure();
    CHECK(failure.kind == LaunchFailure::Kind::NeedsWine);
    CHECK(failure.message()
          == "Cannot start " + generator
              + ": it is a Windows program, and Wine is needed to run it (no wine was found on "
                "PATH).");
}
