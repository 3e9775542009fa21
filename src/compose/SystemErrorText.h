// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The system's own description of a Windows error code, in UTF-8, without the full stop
// and line break it ends with; "error N" when the system has none.
std::string systemErrorText(unsigned long error);
