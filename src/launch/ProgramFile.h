// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// What a failed start's message says of the program's file, read with the system's own
// calls: on Windows the standard library's files and streams would bring their locales into
// the program, most of its size, for these few questions.
bool fileExists(const std::string &path);
bool isFolder(const std::string &path);
// The file's first line, without its end, up to 4 KiB; empty when it cannot be read. A
// script's "#!" line is far shorter.
std::string firstLineOf(const std::string &path);
