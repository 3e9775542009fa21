// SPDX-License-Identifier: MIT
#include "FileSystem.h"

std::vector<std::string> driveTexts(const std::vector<Drive> &drives)
{
    std::vector<std::string> texts;
    texts.reserve(drives.size());
    for (const Drive &drive : drives)
        texts.push_back(drive.text);
    return texts;
}
