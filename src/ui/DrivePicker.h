// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class DriveList;
class FolderList;
class MessageBox;

// A window's drive list and folder list: the folder list follows a drive change, and an
// unreadable drive is reported and the drive list put back on the folder list's drive.
class DrivePicker
{
public:
    DrivePicker(DriveList &drives, FolderList &folders, MessageBox &messages);

    // The drive list's change handler.
    void change();

    // Stores the drive list's drive, with one trailing separator, as the drive root.
    void GetDiskInfo();

    // The drive root as shown to the user, with native separators.
    const QString &driveRoot() const { return m_driveRoot; }

private:
    DriveList &m_drives;
    FolderList &m_folders;
    MessageBox &m_messages;
    QString m_driveRoot;
};
