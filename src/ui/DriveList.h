// SPDX-License-Identifier: MIT
#pragma once

#include "FileSystem.h"

#include <functional>
#include <string>
#include <vector>

// A drive list: the drives a person would pick, starting on the one that holds the starting
// folder. Its change notification comes whenever its drive changes, by the user or from code.
class DriveList
{
public:
    explicit DriveList(const FileSystem &files);

    const std::vector<Drive> &drives() const { return m_drives; }
    std::vector<std::string> driveTexts() const { return ::driveTexts(m_drives); }
    int current() const { return m_current; }
    // The current drive text: "/" or "/media/usb", "C:" on Windows.
    const std::string &drive() const;

    void select(int row);
    // Selects the drive that holds `path`: the longest mount folder that begins it, or
    // its drive letter on Windows.
    void setDriveFromPath(const std::string &path);

    // Reads the drives again, as when the list is opened, so that it offers what is mounted
    // now. The current drive stays; when it is gone, the drive that now holds its folder
    // takes its place, which is where the folder list already is. Neither is a change.
    void refresh();

    // The change notification; `shown` hears of every change to what the list shows.
    std::function<void()> changed;
    std::function<void()> shown;

private:
    void tellShown() const;

    const FileSystem &m_files;
    std::vector<Drive> m_drives;
    int m_current = -1;
};
