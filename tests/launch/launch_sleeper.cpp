// SPDX-License-Identifier: MIT
// A program that stays until its marker file is gone (for two minutes at most), so that a
// test can look at a running program that it started and then end it. On its way out it
// leaves the file MARKER.ended, which shows that it ran and when it ended.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const std::string marker = argv[1];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::filesystem::exists(marker) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ofstream(marker + ".ended") << "ended\n";
    return 0;
}
