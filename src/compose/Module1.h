// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"

#include <string>
#include <string_view>

// The folder that holds the generator, chosen once at start-up and kept until the end.
namespace Module1 {

const std::string &toolFolder();

// Keeps `folderPath` followed by the native separator, unchecked: a root folder, which
// already ends in one, gives two.
void setToolFolder(std::string_view folderPath);

} // namespace Module1

inline constexpr std::string_view generatorFileName = "lapforge.exe";

// The tool folder followed by the generator's file name and one blank.
CommandLine baseCommand();
