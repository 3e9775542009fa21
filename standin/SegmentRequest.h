// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <optional>
#include <string>
#include <vector>

// What one command line asks the generator for. Option words and number texts are kept as
// received, so the description shows exactly what arrived.
struct SegmentRequest
{
    std::string direction; // "-l" or "-r"; empty for a straight
    std::string kind; // "-9", "-U", "-S" or "-O"
    std::string segmentNumber;
    std::string twist; // "-b", "-t" or "-d"; empty for none
    std::string twistNumber;
    std::optional<std::string> hump;
    std::optional<std::string> rise;
    std::optional<std::string> length;
    std::string width; // "-w", "-n" or "-s"; empty for normal
    std::optional<std::string> textureSpace;
    std::optional<std::string> surface;
    bool flat = false;
    std::string outputPath;

    // The request that `arguments` (without the program name) make, or, unless they follow
    // the generator's grammar exactly, why not, naming the offending argument: each option
    // at most once, in its order, numbers in the form the front end writes them, and -o
    // with one path last.
    static Result<SegmentRequest, std::string> parse(const std::vector<std::string> &arguments);

    // One line per part of the segment, for a person to read.
    std::string description() const;
};
