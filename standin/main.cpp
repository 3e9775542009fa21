// SPDX-License-Identifier: MIT
#include "SegmentRequest.h"
#include "Utf8System.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <system_error>

namespace {

const char *const usage = "usage: lapforge [-l|-r -9|-U|-S|-O N] [-b|-t|-d N] [-c N] [-h N] "
                          "[-x N] [-w|-n|-s] [-m I] [-p I] [-f] -o PATH\n";

// The arguments close the file one per line, so a test can see exactly what arrived.
std::string received(const std::vector<std::string> &arguments)
{
    std::string text = "Arguments received: " + std::to_string(arguments.size()) + '\n';
    for (const std::string &argument : arguments)
        text += argument + '\n';
    return text;
}

// A half-written file would pass for a result, so it is removed when writing fails.
bool writeFile(const std::string &path, const std::string &text)
{
    std::FILE *file = openFile(path, "wb");
    if (file == nullptr) {
        std::cerr << "lapforge: cannot write " << path << ": "
                  << std::generic_category().message(errno) << '\n';
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    std::cerr << "lapforge: cannot write " << path << ": "
              << std::generic_category().message(written ? errno : writeError) << '\n';
    removeFile(path);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments = programArguments(argc, argv);
    // Tests of the launch send words that no request allows, to see each arrive intact.
    if (const std::string record = environmentValue("LAPFORGE_STANDIN_RECORD"); !record.empty())
        writeFile(record, received(arguments));
    const auto request = SegmentRequest::parse(arguments);
    if (!request) {
        std::cerr << "lapforge: " << request.failure() << '\n' << usage;
        return 2;
    }
    return writeFile(request->outputPath, request->description() + received(arguments)) ? 0 : 1;
}
