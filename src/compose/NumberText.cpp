// SPDX-License-Identifier: MIT
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <system_error>

namespace {

// More significant digits than any double needs to round correctly (767 at most); the
// rest of a longer number only tells whether it lies above the kept digits.
constexpr std::size_t maxKeptDigits = 800;

// Exponent digits beyond this only push the number further out of range, and stopping
// here keeps the sum with the digit count far from overflowing.
constexpr std::int64_t exponentCeiling = 1'000'000'000;

// Beyond these orders of magnitude a double overflows or underflows whatever the digits.
constexpr std::int64_t highestOrder = 310;
constexpr std::int64_t lowestOrder = -330;

// Up to 15 significant digits keep the double's binary noise out of the text.
constexpr int significantDigits = 15;
constexpr int firstLargeExponent = 15;
constexpr int maxPlainDecimals = 15;

// Integers through std::to_chars, which never consults the locale.
std::string integerText(std::int64_t value)
{
    char buffer[24];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isExponentLetter(char c)
{
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Blanks, tabs and line feeds may stand anywhere inside a number, so every look at the
// next character passes over them first. '\0' stands for the end of the text.
char peek(std::string_view text, std::size_t &pos)
{
    while (pos < text.size() && isSkipped(text[pos]))
        ++pos;
    return pos < text.size() ? text[pos] : '\0';
}

// The digits of a number as digits × 10^exponent, with leading zeros dropped.
struct DecimalDigits
{
    std::string digits;
    std::int64_t exponent = 0;
    bool sawDigit = false;
    bool droppedNonZero = false;

    void take(char digit, bool inFraction)
    {
        sawDigit = true;
        if (digits.empty() && digit == '0') {
            if (inFraction)
                --exponent;
        } else if (digits.size() < maxKeptDigits) {
            digits += digit;
            if (inFraction)
                --exponent;
        } else {
            droppedNonZero = droppedNonZero || digit != '0';
            if (!inFraction)
                ++exponent;
        }
    }
};

void readMantissa(std::string_view text, std::size_t &pos, DecimalDigits &number)
{
    bool inFraction = false;
    for (char c = peek(text, pos); c != '\0'; c = peek(text, pos)) {
        if (isDigit(c))
            number.take(c, inFraction);
        else if (c == '.' && !inFraction)
            inFraction = true;
        else
            return;
        ++pos;
    }
}

// The exponent after "E", "e", "D" or "d"; 0 when there is none or no digit follows.
std::int64_t readExponent(std::string_view text, std::size_t &pos)
{
    if (!isExponentLetter(peek(text, pos)))
        return 0;
    ++pos;
    bool negative = false;
    if (const char sign = peek(text, pos); sign == '+' || sign == '-') {
        negative = sign == '-';
        ++pos;
    }
    std::int64_t exponent = 0;
    for (char c = peek(text, pos); isDigit(c); c = peek(text, pos)) {
        if (exponent < exponentCeiling)
            exponent = exponent * 10 + (c - '0');
        ++pos;
    }
    return negative ? -exponent : exponent;
}

// `digits` × 10^`exponent`, correctly rounded; nothing when it overflows a double.
std::optional<double> toDouble(const std::string &digits, std::int64_t exponent)
{
    const std::int64_t order = static_cast<std::int64_t>(digits.size()) - 1 + exponent;
    if (order > highestOrder)
        return std::nullopt;
    if (order < lowestOrder)
        return 0.0;

    std::string scientific = digits;
    scientific += 'e';
    scientific += integerText(exponent);
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    if (error == std::errc::result_out_of_range)
        return order > 0 ? std::nullopt : std::optional<double>(0.0);
    return value;
}

// The value rounded to 15 significant digits, as its digits without trailing zeros and
// the power of ten of the first digit.
struct RoundedDigits
{
    std::string digits;
    int exponent = 0;
};

RoundedDigits roundToSignificant(double magnitude)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                            std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t letter = text.find('e');
    // Just below the largest double, rounding up leaves the range of doubles, and the text
    // could not be read back. Those values all round up to ...232E+308; they round down.
    double readBack = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), readBack).ec
        == std::errc::result_out_of_range)
        --buffer[letter - 1];

    RoundedDigits rounded;
    for (const char c : text.substr(0, letter)) {
        if (isDigit(c))
            rounded.digits += c;
    }
    while (rounded.digits.size() > 1 && rounded.digits.back() == '0')
        rounded.digits.pop_back();
    const std::string_view exponentText = text.substr(letter + 1);
    const char *exponentBegin = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(exponentBegin, exponentText.data() + exponentText.size(), rounded.exponent);
    return rounded;
}

std::string writeScientific(const RoundedDigits &rounded)
{
    std::string text(1, rounded.digits.front());
    if (rounded.digits.size() > 1) {
        text += '.';
        text.append(rounded.digits, 1);
    }
    text += rounded.exponent < 0 ? "E-" : "E+";
    const std::string exponentDigits = integerText(std::abs(rounded.exponent));
    if (exponentDigits.size() < 2)
        text += '0';
    return text + exponentDigits;
}

std::string writePlain(const RoundedDigits &rounded)
{
    const int digitCount = static_cast<int>(rounded.digits.size());
    if (rounded.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-rounded.exponent - 1), '0')
            + rounded.digits;
    const int wholeDigits = rounded.exponent + 1;
    if (digitCount <= wholeDigits)
        return rounded.digits
            + std::string(static_cast<std::size_t>(wholeDigits - digitCount), '0');
    return rounded.digits.substr(0, static_cast<std::size_t>(wholeDigits)) + '.'
        + rounded.digits.substr(static_cast<std::size_t>(wholeDigits));
}

bool fitsPlain(const RoundedDigits &rounded)
{
    if (rounded.exponent >= firstLargeExponent)
        return false;
    if (rounded.exponent >= 0)
        return true;
    const int decimals = -rounded.exponent - 1 + static_cast<int>(rounded.digits.size());
    return decimals <= maxPlainDecimals;
}

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (const char sign = peek(text, pos); sign == '+' || sign == '-') {
        negative = sign == '-';
        ++pos;
    }
    DecimalDigits number;
    readMantissa(text, pos, number);
    if (!number.sawDigit)
        return 0.0;
    const std::int64_t exponent = readExponent(text, pos);
    if (number.digits.empty())
        return 0.0;
    if (number.droppedNonZero) {
        number.digits += '1';
        --number.exponent;
    }
    const std::optional<double> magnitude = toDouble(number.digits, number.exponent + exponent);
    if (!magnitude)
        return std::nullopt;
    return negative ? -*magnitude : *magnitude;
}

std::string writeNumber(double value)
{
    if (value == 0.0)
        return "0";
    if (!std::isfinite(value)) {
        char buffer[8];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, end);
    }
    const RoundedDigits rounded = roundToSignificant(std::fabs(value));
    const std::string text = fitsPlain(rounded) ? writePlain(rounded) : writeScientific(rounded);
    return value < 0 ? '-' + text : text;
}

std::string writeInteger(std::int16_t value)
{
    return integerText(value);
}
