// SPDX-License-Identifier: MIT
// Whatever a number box holds, reading it never crashes, never gives a non-finite value,
// and the number read survives writing and reading back to 15 significant digits. The
// first eight bytes are also taken as a double's bits, so that writing meets every
// magnitude, subnormals included, and not only those that short texts reach.
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t maxSignificantDigits = 15;
constexpr std::size_t maxPlainDecimals = 15;
constexpr int firstLargeExponent = 15;

[[noreturn]] void fail(const char *what, std::string_view subject, double value)
{
    std::fprintf(stderr, "%s: \"%.*s\" (value %.17g)\n", what, static_cast<int>(subject.size()),
                 subject.data(), value);
    std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view takeDigits(std::string_view text, std::size_t &pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

std::size_t significantDigits(std::string_view whole, std::string_view fraction)
{
    std::string digits(whole);
    digits += fraction;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return digits.find_last_not_of('0') - first + 1;
}

// What is wrong with a written number, or nullptr when it has the written form:
// [-] whole [. decimals] [E sign two-or-more-digits], with no leading zero, no trailing
// zero among the decimals, at most 15 significant digits, plain decimal below 1E15 while
// 15 decimals suffice and E notation otherwise.
const char *formFault(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        ++pos;
    const std::string_view whole = takeDigits(text, pos);
    if (whole.empty())
        return "written number does not begin with a digit or '-' and a digit";
    if (whole.size() > 1 && whole.front() == '0')
        return "written number has a leading zero";

    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = takeDigits(text, pos);
        if (fraction.empty() || fraction.back() == '0')
            return "written number has a '.' without decimals or a trailing zero";
    }

    const bool scientific = pos < text.size() && text[pos] == 'E';
    int exponent = 0;
    if (scientific) {
        ++pos;
        if (pos == text.size() || (text[pos] != '+' && text[pos] != '-'))
            return "written exponent has no sign";
        const bool negativeExponent = text[pos] == '-';
        ++pos;
        const std::string_view exponentDigits = takeDigits(text, pos);
        if (exponentDigits.size() < 2 || exponentDigits.size() > 3)
            return "written exponent does not have two or three digits";
        exponent = std::stoi(std::string(exponentDigits));
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != text.size())
        return "written number has a stray character";

    const std::size_t significant = significantDigits(whole, fraction);
    if (significant > maxSignificantDigits)
        return "written number has more than 15 significant digits";
    if (negative && significant == 0)
        return "written number is a negative zero";
    if (scientific) {
        if (whole.size() != 1 || whole.front() == '0')
            return "written mantissa is not one non-zero digit before the '.'";
        const std::size_t plainDecimals =
            exponent < 0 ? static_cast<std::size_t>(-exponent) + fraction.size() : 0;
        if (exponent >= 0 && exponent < firstLargeExponent)
            return "written in E notation below 1E15";
        if (exponent < 0 && plainDecimals <= maxPlainDecimals)
            return "written in E notation although 15 decimals suffice";
    } else {
        if (whole.size() > static_cast<std::size_t>(firstLargeExponent))
            return "written in plain decimal from 1E15 up";
        if (fraction.size() > maxPlainDecimals)
            return "written in plain decimal with more than 15 decimals";
    }
    return nullptr;
}

void checkWrittenBack(double value)
{
    const std::string written = writeNumber(value);
    if (const char *fault = formFault(written))
        fail(fault, written, value);
    const std::optional<double> back = readNumber(written);
    if (!back)
        fail("a written number reads as beyond a double's range", written, value);
    if (writeNumber(*back) != written)
        fail("a written number reads back as another number", written, *back);
    if (std::fabs(*back - value) > 1e-14 * std::fabs(value))
        fail("a written number is further than 15 significant digits from its value", written,
             value);
}

void checkReading(std::string_view text)
{
    const std::optional<double> value = readNumber(text);
    if (!value)
        return;
    if (!std::isfinite(*value))
        fail("a text reads as a non-finite number", text, *value);
    if (std::none_of(text.begin(), text.end(), isDigit) && *value != 0)
        fail("a text without a digit reads as a number other than 0", text, *value);
    checkWrittenBack(*value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkReading(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            checkWrittenBack(value);
    }
    return 0;
}
