// SPDX-License-Identifier: MIT
#include "ProcessChecks.h"

#include "TestFiles.h"

#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

std::vector<int> openDescriptors(const std::string &process)
{
    std::vector<int> descriptors;
    for (const fs::directory_entry &entry : fs::directory_iterator("/proc/" + process + "/fd"))
        descriptors.push_back(std::stoi(entry.path().filename().string()));
    std::sort(descriptors.begin(), descriptors.end());
    return descriptors;
}

std::vector<int> childProcesses()
{
    std::vector<int> children;
    for (const fs::directory_entry &task : fs::directory_iterator("/proc/self/task")) {
        std::istringstream list(readFile(task.path().string() + "/children"));
        for (int child = 0; list >> child;)
            children.push_back(child);
    }
    return children;
}

bool hasNoChildToReap()
{
    siginfo_t info = {};
    const int result = waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT);
    return (result == 0 && info.si_pid == 0) || (result < 0 && errno == ECHILD);
}
