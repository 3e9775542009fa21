// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Locale-independent conversions between the text of a number box and a double,
// in the forms the classic toolkit used.

// The number that `text` begins with (0 when it begins with none), or nothing when that
// number lies beyond a double's range.
std::optional<double> readNumber(std::string_view text);

// At most 15 significant digits, "-" for negatives, no leading blank, whole numbers
// without ".", E notation for very large and very small magnitudes.
std::string writeNumber(double value);

// A list position as a plain decimal integer.
std::string writeInteger(std::int16_t value);
