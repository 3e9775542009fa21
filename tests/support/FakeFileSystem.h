// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <map>
#include <string>
#include <vector>

// A tree of folders given by path; a folder marked unreadable fails with its reason.
class FakeFileSystem : public FileSystem
{
public:
    FakeFileSystem(const std::vector<std::string> &drives, const std::string &currentFolder);

    void addFolder(const std::string &folder);
    void makeUnreadable(const std::string &folder, const std::string &reason);
    // What the machine mounts from now on, as a drive list reads it when opened.
    void setDrives(const std::vector<std::string> &drives);

    std::vector<Drive> drives() const override { return m_drives; }
    Result<std::vector<std::string>, std::string>
    listFolder(const std::string &folder) const override;
    std::string currentFolder() const override { return m_currentFolder; }

private:
    std::vector<Drive> m_drives;
    std::string m_currentFolder;
    std::vector<std::string> m_folders;
    std::map<std::string, std::string> m_unreadable;
};

// A machine with the drives "/", "/media/cdrom" (no medium) and "/media/usb", starting in
// homeTracks, which holds "Desert", "oval" and "locked" (unreadable).
inline const std::string homeTracks = "/home/ann/tracks";
FakeFileSystem homeTracksTree();
