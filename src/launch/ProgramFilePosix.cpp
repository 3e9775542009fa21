// SPDX-License-Identifier: MIT
#include "ProgramFile.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

bool fileExists(const std::string &path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0;
}

bool isFolder(const std::string &path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string firstLineOf(const std::string &path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"),
                                                                &std::fclose);
    std::string line;
    constexpr std::size_t bound = 4096;
    for (int c = file ? std::fgetc(file.get()) : EOF; c != EOF && c != '\n' && line.size() < bound;
         c = std::fgetc(file.get()))
        line.push_back(static_cast<char>(c));
    return line;
}
