// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// Sorts folder names as a person reads a list: letters without regard to case (Latin,
// Greek and Cyrillic), then by their bytes, so that the order is total and repeatable.
// A name that is not valid text sorts by the bytes it has.
void sortForDisplay(std::vector<std::string> &names);
