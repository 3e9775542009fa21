// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "LaunchGenerator.h"

#include <string>
#include <vector>

// Lapforge itself is a Windows program. Where the system cannot run one, Wine starts it
// with the same arguments, except that an output path is handed over in its Windows form.

// Whether the file begins as a Windows program does ("MZ").
bool isWindowsProgram(const std::string &path);

// The first executable file `name` in the folders of `searchPath` (as in PATH; empty
// entries, which would mean the working folder, are skipped); empty when there is none.
std::string findOnPath(const std::string &name, const std::string &searchPath);

// The Windows form of the absolute Unix path `path` under the Wine prefix `prefix`: the
// drive whose folder (a link in the prefix's dosdevices) holds the path most closely,
// then the rest with "\". A prefix not made yet will get Z: for "/". Empty when no drive
// holds the path.
std::string windowsPathUnderWine(const std::string &path, const std::string &prefix);

// The Wine prefix that wine started from here uses: WINEPREFIX, else ~/.wine.
std::string winePrefix();

// The words that start the command line's program here, the program to execute first:
// the command line itself, or, for a Windows program, wine from PATH with the program and
// its arguments. Fails before anything is started when a Windows program finds no Wine.
Result<std::vector<std::string>, LaunchFailure> startingArgv(const CommandLine &command);
