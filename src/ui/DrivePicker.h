// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class DriveList;
class Form;
class FolderList;
class MessageBox;

// A window's drive list and folder list: the folder list follows a drive change, and an
// unreadable drive is reported and the drive list put back on the folder list's drive.
// Both windows have one, each with its own drive root.
class DrivePicker
{
public:
    DrivePicker(Form &window, DriveList &drives, FolderList &folders, MessageBox &messages);

    // The drive list's change handler.
    void change();

    // Stores the drive list's drive, with one trailing separator, as the drive root.
    void GetDiskInfo();

    // The drive root as shown to the user, with native separators.
    const std::string &driveRoot() const { return m_driveRoot; }

private:
    Form &m_window;
    DriveList &m_drives;
    FolderList &m_folders;
    MessageBox &m_messages;
    std::string m_driveRoot;
};
