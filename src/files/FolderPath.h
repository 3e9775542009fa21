// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Folder paths as the file system's bytes (UTF-8 on Windows) with "/" between names
// ("c:/tools" on Windows), worked on without decoding them, so that any name survives.

// Resolves "." and ".." by name, folds repeated separators and drops a trailing one;
// a root keeps its own ("/", "c:/"). On Windows "\" counts as a separator too.
std::string cleanFolderPath(std::string_view path);

// The folder that holds `folder`; a root is its own parent. `folder` is clean.
std::string parentFolder(std::string_view folder);

std::string childFolder(std::string_view folder, std::string_view name);

// The last name of `folder`, or the whole path for a root.
std::string folderName(std::string_view folder);

// For people: valid UTF-8, with a replacement mark for each byte that is not text, and with
// native separators.
std::string shownPath(std::string_view path);

// For the generator's command line and the system's calls: the same bytes, with native
// separators.
std::string nativeFolderPath(std::string_view folder);
