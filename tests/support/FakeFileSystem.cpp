// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"

#include "FolderPath.h"

#include <algorithm>

FakeFileSystem::FakeFileSystem(const std::vector<std::string> &drives,
                               const std::string &currentFolder)
    : m_currentFolder(currentFolder)
{
    setDrives(drives);
    addFolder(currentFolder);
}

void FakeFileSystem::addFolder(const std::string &folder)
{
    // Every folder on the way down exists too.
    for (std::string step = cleanFolderPath(folder);
         std::find(m_folders.begin(), m_folders.end(), step) == m_folders.end();
         step = parentFolder(step))
        m_folders.push_back(step);
}

void FakeFileSystem::makeUnreadable(const std::string &folder, const std::string &reason)
{
    m_unreadable[folder] = reason;
}

void FakeFileSystem::setDrives(const std::vector<std::string> &drives)
{
    m_drives.clear();
    for (const std::string &drive : drives) {
        m_drives.push_back(Drive {drive, shownPath(drive)});
        addFolder(drive);
    }
}

Result<std::vector<std::string>, std::string>
FakeFileSystem::listFolder(const std::string &folder) const
{
    if (const auto unreadable = m_unreadable.find(folder); unreadable != m_unreadable.end())
        return Failure {unreadable->second};
    if (std::find(m_folders.begin(), m_folders.end(), folder) == m_folders.end())
        return Failure {std::string("No such file or directory")};
    std::vector<std::string> subfolders;
    for (const std::string &other : m_folders) {
        if (other != folder && parentFolder(other) == folder)
            subfolders.push_back(folderName(other));
    }
    std::sort(subfolders.begin(), subfolders.end());
    return subfolders;
}

FakeFileSystem homeTracksTree()
{
    FakeFileSystem files({"/", "/media/cdrom", "/media/usb"}, homeTracks);
    for (const char *folder : {"oval", "Desert", "locked"})
        files.addFolder(homeTracks + '/' + folder);
    files.addFolder("/media/usb/maps");
    files.makeUnreadable(homeTracks + "/locked", "Permission denied");
    files.makeUnreadable("/media/cdrom", "No medium found");
    return files;
}
