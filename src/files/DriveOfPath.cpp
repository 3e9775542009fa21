// SPDX-License-Identifier: MIT
#include "DriveOfPath.h"

#include "FolderPath.h"
#include "NativeSeparator.h"

#include <algorithm>
#include <cctype>

namespace {

// Drive letters and their folders compare case-insensitively where they are letters.
constexpr bool drivesAreLetters = nativeSeparator == '\\';

bool beginsWith(std::string_view path, std::string_view folder)
{
    if (path.size() < folder.size())
        return false;
    if constexpr (!drivesAreLetters)
        return path.starts_with(folder);
    return std::equal(folder.begin(), folder.end(), path.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a))
            == std::tolower(static_cast<unsigned char>(b));
    });
}

// Drive texts are mount folders as the system lists them, so a trailing separator is all
// there is to tidy; a full clean for each of a thousand mounts would show in every change.
std::string driveFolder(std::string_view drive)
{
    std::string folder(drive);
    if constexpr (drivesAreLetters)
        std::replace(folder.begin(), folder.end(), '\\', '/');
    while (folder.size() > 1 && folder.ends_with('/') && !folder.ends_with(":/"))
        folder.pop_back();
    return folder;
}

bool holds(std::string_view drive, std::string_view path)
{
    const std::string folder = driveFolder(drive);
    if (folder.empty() || !beginsWith(path, folder))
        return false;
    return path.size() == folder.size() || folder.ends_with('/') || path[folder.size()] == '/';
}

} // namespace

std::string driveOfPath(const std::vector<std::string> &drives, std::string_view path)
{
    const std::string cleanPath = cleanFolderPath(path);
    std::string best;
    for (const std::string &drive : drives) {
        if (drive.size() > best.size() && holds(drive, cleanPath))
            best = drive;
    }
    return best;
}

std::string driveRootFolder(std::string_view drive)
{
    return cleanFolderPath(drive);
}
