// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32
inline constexpr char nativeSeparator = '\\';
#else
inline constexpr char nativeSeparator = '/';
#endif
