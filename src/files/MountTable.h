// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Mount
{
    std::string folder;
    std::string type;

    friend bool operator==(const Mount &, const Mount &) = default;
};

// The system's table of mounts, read without touching any mount: asking a mount for its
// size or state can block for as long as a dead network or FUSE server keeps silent.
std::vector<Mount> readMountTable();

// The mounts listed in the text of Linux's /proc/self/mountinfo, in its order; a line that
// does not have the shape of one is skipped.
std::vector<Mount> parseMountInfo(std::string_view text);
