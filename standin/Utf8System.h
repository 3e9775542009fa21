// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The stand-in works in UTF-8 throughout. On Windows the system's narrow texts are in the
// ANSI code page, which cannot hold most of what a user types, so these go through the
// wide functions there.

// The program's arguments, without its name.
std::vector<std::string> programArguments(int argc, char **argv);

std::FILE *openFile(const std::string &path, const char *mode);
void removeFile(const std::string &path);

// The environment variable's value; empty when it is not set.
std::string environmentValue(const char *name);
