// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows speaks UTF-16; everything here is UTF-8. Invalid UTF-8 is refused rather than
// replaced, so that a mangled path is never used; the system's last error then says why.
std::optional<std::wstring> toWide(std::string_view text);

std::string toUtf8(std::wstring_view wide);
