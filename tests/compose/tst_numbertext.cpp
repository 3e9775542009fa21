// SPDX-License-Identifier: MIT
#include "NumberText.h"

#include <doctest/doctest.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string repeated(char c, std::size_t count)
{
    return std::string(count, c);
}

// Exact, with all 17 digits in a failure's report.
std::string exactly(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Puts the C locale back however the test ends.
struct CLocaleRestorer
{
    ~CLocaleRestorer() { std::setlocale(LC_ALL, "C"); }
};

struct ReadRow
{
    const char *name;
    std::string text;
    double expected;
};

struct WriteRow
{
    const char *name;
    double value;
    const char *expected;
};

} // namespace

TEST_CASE("reads the leading number")
{
    const ReadRow rows[] {
        {"empty", "", 0.0},
        {"leading zero", "045", 45.0},
        {"zero fraction", "45.0", 45.0},
        {"stops at letters", "45abc", 45.0},
        {"negative", "-30", -30.0},
        {"plus sign", "+2.5", 2.5},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5.0},
        {"point alone", ".", 0.0},
        {"sign alone", "-", 0.0},
        {"two signs", "--5", 0.0},
        {"blanks inside", " 2 45 7", 2457.0},
        {"tab and line feed inside", "1\t2\n.5", 12.5},
        {"blank after sign", "- 5", -5.0},
        {"blanks around exponent", "1 e - 2", 0.01},
        {"second point stops", "1.2.3", 1.2},
        {"exponent E", "1E3", 1000.0},
        {"exponent D", "1D3", 1000.0},
        {"exponent d, negative", "25d-1", 2.5},
        {"exponent letter without digits", "7e", 7.0},
        {"exponent sign without digits", "7e+x", 7.0},
        {"exponent without mantissa", "e5", 0.0},
        {"currency sign", "$5", 0.0},
        {"hexadecimal prefix", "&H10", 0.0},
        {"Arabic-Indic digits", "\xd9\xa1\xd9\xa2", 0.0},
        {"Arabic-Indic digit after a digit", "1\xd9\xa2", 1.0},
        {"comma is no decimal point", "1,5", 1.0},
        {"tiny underflows to zero", "1e-400", 0.0},
        {"endless negative exponent", "1e-99999999999999999999", 0.0},
        {"endless exponent of zero", "0e99999999999999999999", 0.0},
        {"smallest subnormal", "4.9406564584124654e-324",
         std::numeric_limits<double>::denorm_min()},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"halfway rounds to even", "9007199254740993", 9007199254740992.0},
        {"digit far past halfway rounds up", "9007199254740993." + repeated('0', 100000) + "1",
         9007199254740994.0},
        {"long run of blanks", repeated(' ', 100000) + "7", 7.0},
        {"long run of zeros before digits", "0." + repeated('0', 99) + "1e100", 1.0},
        {"long repeating fraction", "0." + repeated('3', 100000), 1.0 / 3.0},
        {"long whole number", "1" + repeated('0', 300), 1e300},
    };
    for (const ReadRow &row : rows) {
        INFO(row.name);
        const std::optional<double> value = readNumber(row.text);
        REQUIRE(value.has_value());
        // These must be the exact double, not one close to it.
        CHECK(exactly(*value) == exactly(row.expected));
    }
}

TEST_CASE("a number beyond the range of a double is not read")
{
    const ReadRow rows[] {
        {"1e400", "1e400", 0},
        {"-1e400", "-1e400", 0},
        {"just past the largest double", "1.8e308", 0},
        {"exponent D", "1D309", 0},
        {"endless exponent", "1e99999999999999999999", 0},
        {"long whole number", "1" + repeated('0', 100000), 0},
    };
    for (const ReadRow &row : rows) {
        INFO(row.name);
        CHECK_FALSE(readNumber(row.text).has_value());
    }
}

TEST_CASE("writes a number")
{
    const WriteRow rows[] {
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"whole", 45.0, "45"},
        {"whole with zeros", 1e14, "100000000000000"},
        {"negative", -30.0, "-30"},
        {"fraction", -2.5, "-2.5"},
        {"binary noise hidden", 0.1 + 0.2, "0.3"},
        {"15 significant digits", 3.141592653589793, "3.14159265358979"},
        {"rounds to whole", 123456789012345.6, "123456789012346"},
        {"largest plain", 999999999999999.0, "999999999999999"},
        {"rounds up into E notation", 999999999999999.9, "1E+15"},
        {"1E15", 1e15, "1E+15"},
        {"1.2E15", 1.2e15, "1.2E+15"},
        {"1.234E16", 1.234e16, "1.234E+16"},
        {"largest double rounds down to stay readable", std::numeric_limits<double>::max(),
         "1.79769313486231E+308"},
        {"largest negative double", -std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
        {"small plain", 1.5e-7, "0.00000015"},
        {"15 decimals plain", 5.6789e-11, "0.000000000056789"},
        {"16 decimals in E notation", 5.6789e-12, "5.6789E-12"},
        {"negative small in E notation", -1.5e-15, "-1.5E-15"},
        {"three-digit exponent", 1e-300, "1E-300"},
        {"subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const WriteRow &row : rows) {
        INFO(row.name);
        CHECK(writeNumber(row.value) == row.expected);
    }
}

TEST_CASE("writes a list position")
{
    const struct
    {
        const char *name;
        std::int16_t value;
        const char *expected;
    } rows[] {
        {"row", 2, "2"},
        {"no row", -1, "-1"},
        {"lowest", -32768, "-32768"},
    };
    for (const auto &row : rows) {
        INFO(row.name);
        CHECK(writeInteger(row.value) == row.expected);
    }
}

// The build compiles a de_DE locale into LOCPATH on Linux; the Windows C runtime has its
// own "German" locale with a decimal comma.
TEST_CASE("a locale with a decimal comma changes neither reading nor writing")
{
    const CLocaleRestorer restorer;
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr
        || std::setlocale(LC_ALL, "German_Germany.1252") != nullptr;
    if (!german || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        MESSAGE("skipped: no locale with a decimal comma here");
        return;
    }

    CHECK(readNumber("1.5") == std::optional<double>(1.5));
    CHECK(readNumber("1,5") == std::optional<double>(1.0));
    CHECK(writeNumber(2.5) == "2.5");
    CHECK(writeNumber(1234567.25) == "1234567.25");
    CHECK(writeNumber(1.5e-20) == "1.5E-20");
}
