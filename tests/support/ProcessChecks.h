// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// What a process holds, as Linux's /proc shows it: tests check that starting and watching
// generators leaves nothing behind.

// The numbers of the descriptors open in `process` ("self" or a process id), in order.
std::vector<int> openDescriptors(const std::string &process = "self");

// The children of every thread of this process, zombies included.
std::vector<int> childProcesses();

// No ended child waits to be reaped; asking reaps none.
bool hasNoChildToReap();
