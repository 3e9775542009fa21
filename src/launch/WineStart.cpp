// SPDX-License-Identifier: MIT
#include "WineStart.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Whether `path` lies in `folder`; both lexically normal and absolute.
bool isWithin(const fs::path &path, const fs::path &folder)
{
    auto at = path.begin();
    for (auto part = folder.begin(); part != folder.end(); ++part, ++at) {
        if (part->empty())
            continue; // the trailing slash of a folder such as "/"
        if (at == path.end() || *at != *part)
            return false;
    }
    return true;
}

std::size_t depthOf(const fs::path &folder)
{
    return std::size_t(std::distance(folder.begin(), folder.end()));
}

struct Drive
{
    char letter;
    fs::path folder;
};

std::vector<Drive> drivesOf(const fs::path &prefix)
{
    const fs::path devices = prefix / "dosdevices";
    std::error_code error;
    if (!fs::exists(devices, error))
        return {{'Z', "/"}};
    std::vector<Drive> drives;
    for (const fs::directory_entry &entry : fs::directory_iterator(devices, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != 2 || name[1] != ':' || name[0] < 'a' || name[0] > 'z')
            continue;
        const fs::path folder = fs::canonical(entry.path(), error);
        if (!error)
            drives.push_back({char(name[0] - 'a' + 'A'), folder});
    }
    return drives;
}

std::string withBackslashes(const fs::path &relative)
{
    std::string text;
    for (const fs::path &part : relative) {
        if (part == ".")
            continue;
        if (!text.empty())
            text += '\\';
        text += part.string();
    }
    return text;
}

// Wine reads an argument that begins with "/" as a Unix path only because its file
// functions guess so; a program that takes the path apart itself sees no drive and would
// put it on the working folder's drive. The Windows form leaves nothing to guess.
std::vector<std::string> wineArgv(const std::string &wine, const CommandLine &command)
{
    std::vector<std::string> argv {wine, command.program()};
    const std::vector<std::string> &arguments = command.arguments();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (i > 0 && arguments[i - 1] == "-o" && argument.starts_with('/')) {
            const std::string windowsPath = windowsPathUnderWine(argument, winePrefix());
            if (!windowsPath.empty())
                argument = windowsPath;
        }
        argv.push_back(argument);
    }
    return argv;
}

} // namespace

bool isWindowsProgram(const std::string &path)
{
    // Opening a named pipe to read would wait for a writer, and the window with it.
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    char start[2] = {};
    return file.read(start, 2) && start[0] == 'M' && start[1] == 'Z';
}

std::string findOnPath(const std::string &name, const std::string &searchPath)
{
    std::size_t from = 0;
    while (from <= searchPath.size()) {
        std::size_t to = searchPath.find(':', from);
        if (to == std::string::npos)
            to = searchPath.size();
        const std::string folder = searchPath.substr(from, to - from);
        from = to + 1;
        if (folder.empty())
            continue;
        const std::string candidate = folder + '/' + name;
        std::error_code error;
        if (fs::is_regular_file(candidate, error) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

std::string windowsPathUnderWine(const std::string &path, const std::string &prefix)
{
    std::error_code error;
    fs::path target = fs::weakly_canonical(path, error);
    if (error)
        target = fs::path(path).lexically_normal();
    const Drive *best = nullptr;
    const std::vector<Drive> drives = drivesOf(prefix);
    for (const Drive &drive : drives) {
        if (isWithin(target, drive.folder)
            && (best == nullptr || depthOf(drive.folder) > depthOf(best->folder)))
            best = &drive;
    }
    if (best == nullptr)
        return {};
    return std::string {best->letter, ':', '\\'}
    + withBackslashes(target.lexically_relative(best->folder));
}

std::string winePrefix()
{
    if (const char *prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0')
        return prefix;
    const char *home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.wine";
}

Result<std::vector<std::string>, LaunchFailure> startingArgv(const CommandLine &command)
{
    if (!isWindowsProgram(command.program())) {
        std::vector<std::string> argv {command.program()};
        argv.insert(argv.end(), command.arguments().begin(), command.arguments().end());
        return argv;
    }
    const char *searchPath = std::getenv("PATH");
    const std::string wine = findOnPath("wine", searchPath != nullptr ? searchPath : "");
    if (wine.empty())
        return Failure {LaunchFailure {LaunchFailure::Kind::NeedsWine, command.program(),
                                       "no wine was found on PATH"}};
    return wineArgv(wine, command);
}
