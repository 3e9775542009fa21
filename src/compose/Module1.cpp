// SPDX-License-Identifier: MIT
#include "Module1.h"

#include "NativeSeparator.h"

namespace {

// Held in a function so that it exists before any window asks for it.
std::string &storedToolFolder()
{
    static std::string folder;
    return folder;
}

} // namespace

const std::string &Module1::toolFolder()
{
    return storedToolFolder();
}

void Module1::setToolFolder(std::string_view folderPath)
{
    std::string &folder = storedToolFolder();
    folder.assign(folderPath);
    folder += nativeSeparator;
}

CommandLine baseCommand()
{
    return CommandLine(Module1::toolFolder() + std::string(generatorFileName));
}
