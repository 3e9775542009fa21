// SPDX-License-Identifier: MIT
#include "DrivePicker.h"

#include "DriveList.h"
#include "FolderList.h"
#include "FolderPath.h"
#include "MessageBox.h"
#include "NativeSeparator.h"

DrivePicker::DrivePicker(Form &window, DriveList &drives, FolderList &folders, MessageBox &messages)
    : m_window(window), m_drives(drives), m_folders(folders), m_messages(messages)
{ }

void DrivePicker::change()
{
    GetDiskInfo();
    const auto opened = m_folders.openDrive(m_drives.drive(), m_drives.driveTexts());
    if (opened)
        return;
    m_messages.critical(m_window, opened.failure(),
                        "Access denied!. Please check drive " + m_driveRoot);
    // Raises the drive list's change again: the nested run finds the folder list already on
    // the restored drive and only rewrites the drive root for it.
    m_drives.setDriveFromPath(m_folders.path());
}

void DrivePicker::GetDiskInfo()
{
    m_driveRoot = shownPath(m_drives.drive());
    if (!m_driveRoot.ends_with(nativeSeparator))
        m_driveRoot += nativeSeparator;
}
