// SPDX-License-Identifier: MIT
#include "DrivePicker.h"

#include "DriveList.h"
#include "FolderList.h"
#include "FolderPath.h"
#include "MessageBox.h"

#include <QDir>

DrivePicker::DrivePicker(DriveList &drives, FolderList &folders, MessageBox &messages)
    : m_drives(drives), m_folders(folders), m_messages(messages)
{ }

void DrivePicker::change()
{
    GetDiskInfo();
    const auto opened = m_folders.openDrive(m_drives.drive(), m_drives.drives());
    if (opened)
        return;
    m_messages.critical(m_drives.window(), opened.failure(),
                        QStringLiteral("Access denied!. Please check drive ") + m_driveRoot);
    // Emits the drive list's change again: the nested run finds the folder list already on
    // the restored drive and only rewrites the drive root for it.
    m_drives.setDriveFromPath(m_folders.path());
}

void DrivePicker::GetDiskInfo()
{
    m_driveRoot = shownPath(m_drives.drive());
    if (!m_driveRoot.endsWith(QDir::separator()))
        m_driveRoot += QDir::separator();
}
