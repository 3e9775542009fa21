// SPDX-License-Identifier: MIT
#include "WindowsCommandLine.h"

#include <doctest/doctest.h>

// The text that a Windows program splits again; the round trip through a real program is
// checked under Wine, these rows pin down the quoting on every system.
TEST_CASE("a Windows command line quotes every argument for the C runtime's split")
{
    const struct
    {
        const char *name;
        std::vector<std::string> arguments;
        std::string line;
    } rows[] {
        {"no arguments", {}, R"("C:\t\lapforge.exe")"},
        {"plain words", {"-l", "-9"}, R"("C:\t\lapforge.exe" "-l" "-9")"},
        {"empty argument", {""}, R"("C:\t\lapforge.exe" "")"},
        {"blank inside", {"new prm"}, R"("C:\t\lapforge.exe" "new prm")"},
        {"inner backslashes stay single", {R"(C:\a b\c)"}, R"("C:\t\lapforge.exe" "C:\a b\c")"},
        {"trailing backslash doubled", {R"(C:\a b\)"}, R"("C:\t\lapforge.exe" "C:\a b\\")"},
        {"share with trailing backslash",
         {R"(\\server\share\)"},
         R"("C:\t\lapforge.exe" "\\server\share\\")"},
        {"quote escaped", {R"(a"b)"}, R"("C:\t\lapforge.exe" "a\"b")"},
        {"backslash before a quote", {R"(x\"y)"}, R"("C:\t\lapforge.exe" "x\\\"y")"},
        {"two backslashes before a quote", {R"(x\\"y)"}, R"("C:\t\lapforge.exe" "x\\\\\"y")"},
        {"non-ASCII untouched",
         {"\xc3\xa9t\xc3\xa9 \xf0\x9d\x84\x9e"},
         "\"C:\\t\\lapforge.exe\" \"\xc3\xa9t\xc3\xa9 \xf0\x9d\x84\x9e\""},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        CHECK(windowsCommandLine(R"(C:\t\lapforge.exe)", row.arguments) == row.line);
    }
}
