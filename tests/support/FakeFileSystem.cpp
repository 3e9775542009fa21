// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"

#include <QFileInfo>

FakeFileSystem::FakeFileSystem(QStringList drives, QString currentFolder)
    : m_drives(std::move(drives)), m_currentFolder(std::move(currentFolder))
{
    for (const QString &drive : m_drives)
        addFolder(drive);
    addFolder(m_currentFolder);
}

void FakeFileSystem::addFolder(const QString &folder)
{
    // Every folder on the way down exists too.
    for (QString step = folder; !m_folders.contains(step); step = QFileInfo(step).path())
        m_folders.append(step);
}

void FakeFileSystem::makeUnreadable(const QString &folder, const QString &reason)
{
    m_unreadable.insert(folder, reason);
}

FolderListing FakeFileSystem::listFolder(const QString &folder) const
{
    if (m_unreadable.contains(folder))
        return FolderListing {false, {}, m_unreadable.value(folder)};
    if (!m_folders.contains(folder))
        return FolderListing {false, {}, QStringLiteral("No such file or directory")};
    FolderListing listing {true, {}, {}};
    for (const QString &other : m_folders) {
        if (other != folder && QFileInfo(other).path() == folder)
            listing.subfolders.append(QFileInfo(other).fileName());
    }
    listing.subfolders.sort();
    return listing;
}
