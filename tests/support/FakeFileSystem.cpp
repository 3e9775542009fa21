// SPDX-License-Identifier: MIT
#include "FakeFileSystem.h"

#include "FolderPath.h"

#include <algorithm>

namespace {

QByteArrayList toBytes(const QStringList &texts)
{
    QByteArrayList bytes;
    for (const QString &text : texts)
        bytes.append(text.toUtf8());
    return bytes;
}

} // namespace

FakeFileSystem::FakeFileSystem(const QStringList &drives, const QString &currentFolder)
    : m_currentFolder(currentFolder.toUtf8())
{
    setDrives(drives);
    addFolder(currentFolder);
}

void FakeFileSystem::addFolder(const QString &folder)
{
    // Every folder on the way down exists too.
    for (QByteArray step = cleanFolderPath(folder.toUtf8()); !m_folders.contains(step);
         step = parentFolder(step))
        m_folders.append(step);
}

void FakeFileSystem::makeUnreadable(const QString &folder, const QString &reason)
{
    m_unreadable.insert(folder.toUtf8(), reason);
}

void FakeFileSystem::setDrives(const QStringList &drives)
{
    m_drives = toBytes(drives);
    for (const QString &drive : drives)
        addFolder(drive);
}

FolderListing FakeFileSystem::listFolder(const QByteArray &folder) const
{
    if (m_unreadable.contains(folder))
        return FolderListing {false, {}, m_unreadable.value(folder)};
    if (!m_folders.contains(folder))
        return FolderListing {false, {}, QStringLiteral("No such file or directory")};
    FolderListing listing {true, {}, {}};
    for (const QByteArray &other : m_folders) {
        if (other != folder && parentFolder(other) == folder)
            listing.subfolders.append(folderName(other));
    }
    std::sort(listing.subfolders.begin(), listing.subfolders.end());
    return listing;
}
